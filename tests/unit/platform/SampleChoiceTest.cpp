#include "platform/SampleChoice.h"

#include <gtest/gtest.h>

using Vexmor::platform::RendererKind;
using Vexmor::platform::SampleChoice;

TEST(SampleChoice, MesasSoftwareRasterisersAreToldFromGraphicsHardware) {
    EXPECT_EQ(SampleChoice::kindOf("llvmpipe (LLVM 15.0.6, 256 bits)"), RendererKind::Software);
    EXPECT_EQ(SampleChoice::kindOf("softpipe"), RendererKind::Software);
    EXPECT_EQ(SampleChoice::kindOf("Mesa X11 swrast"), RendererKind::Software);
    EXPECT_EQ(SampleChoice::kindOf("LLVMPIPE"), RendererKind::Software);
    EXPECT_EQ(SampleChoice::kindOf("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"),
              RendererKind::Hardware);
    EXPECT_EQ(SampleChoice::kindOf("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"),
              RendererKind::Hardware);
    EXPECT_EQ(SampleChoice::kindOf("NVIDIA GeForce GTX 1060/PCIe/SSE2"), RendererKind::Hardware);
    // A context that could not say what it is keeps the designed format.
    EXPECT_EQ(SampleChoice::kindOf(""), RendererKind::Hardware);
}

TEST(SampleChoice, WithoutAnOverrideTheRendererDecides) {
    const SampleChoice choice(nullptr);
    EXPECT_FALSE(choice.overridden());
    EXPECT_TRUE(choice.ignoredText().empty());
    EXPECT_EQ(choice.samplesFor(RendererKind::Hardware), 4);
    EXPECT_EQ(choice.samplesFor(RendererKind::Software), 0);
}

TEST(SampleChoice, TheEnvironmentDecidesEitherWayAndAnythingElseIsIgnored) {
    const SampleChoice none("0");
    EXPECT_TRUE(none.overridden());
    EXPECT_EQ(none.samplesFor(RendererKind::Hardware), 0);
    EXPECT_EQ(none.samplesFor(RendererKind::Software), 0);

    const SampleChoice four("4");
    EXPECT_TRUE(four.overridden());
    EXPECT_EQ(four.samplesFor(RendererKind::Software), 4);
    EXPECT_TRUE(four.ignoredText().empty());

    for (const char* text : {"2", "8", " 4", "4x", "-1", "yes", "04"}) {
        const SampleChoice ignored(text);
        EXPECT_FALSE(ignored.overridden()) << text;
        EXPECT_EQ(ignored.ignoredText(), text);
        EXPECT_EQ(ignored.samplesFor(RendererKind::Software), 0) << text;
        EXPECT_EQ(ignored.samplesFor(RendererKind::Hardware), 4) << text;
    }
    const SampleChoice empty("");
    EXPECT_FALSE(empty.overridden());
    EXPECT_EQ(empty.ignoredText(), "(empty)");
}
