#include "app/RenderChoice.h"

#include <gtest/gtest.h>

using Vexmor::app::RenderChoice;
using Vexmor::platform::RendererKind;

TEST(RenderChoice, TheRendererChoosesTheLookAndWhereTheAutomaticScaleStarts) {
    const RenderChoice software(nullptr, nullptr, RendererKind::Software);
    EXPECT_TRUE(software.fastLook());
    EXPECT_FALSE(software.fixedScale());
    EXPECT_FLOAT_EQ(software.startScale(), 0.75f);
    EXPECT_EQ(software.description(), "fast look, render scale auto");
    EXPECT_EQ(software.warnings(), "");

    const RenderChoice hardware(nullptr, "auto", RendererKind::Hardware);
    EXPECT_FALSE(hardware.fastLook());
    EXPECT_FALSE(hardware.fixedScale());
    EXPECT_FLOAT_EQ(hardware.startScale(), 1.0f);
    EXPECT_EQ(hardware.description(), "full look, render scale auto");
}

TEST(RenderChoice, TheEnvironmentDecidesEitherWay) {
    const RenderChoice full("full", "0.5", RendererKind::Software);
    EXPECT_FALSE(full.fastLook());
    ASSERT_TRUE(full.fixedScale());
    EXPECT_FLOAT_EQ(*full.fixedScale(), 0.5f);
    EXPECT_FLOAT_EQ(full.startScale(), 0.5f);
    EXPECT_EQ(full.description(), "full look, render scale 0.50");

    const RenderChoice fast("fast", "1", RendererKind::Hardware);
    EXPECT_TRUE(fast.fastLook());
    EXPECT_FLOAT_EQ(*fast.fixedScale(), 1.0f);
    EXPECT_EQ(fast.warnings(), "");

    // The options decide only what the environment leaves open; an "auto" there still
    // counts as the environment's choice.
    using Vexmor::app::Look;
    const RenderChoice options(nullptr, nullptr, RendererKind::Software, Look::Full, 0.6f);
    EXPECT_FALSE(options.fastLook());
    EXPECT_FLOAT_EQ(*options.fixedScale(), 0.6f);
    EXPECT_FALSE(options.scaleFromEnvironment());
    EXPECT_FALSE(options.lookFromEnvironment());
    const RenderChoice overridden("fast", "auto", RendererKind::Hardware, Look::Full, 0.6f);
    EXPECT_TRUE(overridden.fastLook());
    EXPECT_FALSE(overridden.fixedScale());
    EXPECT_TRUE(overridden.scaleFromEnvironment());
    EXPECT_TRUE(overridden.lookFromEnvironment());
    const RenderChoice badScale(nullptr, "two", RendererKind::Hardware, Look::Auto, 0.6f);
    EXPECT_FLOAT_EQ(*badScale.fixedScale(), 0.6f);
}

TEST(RenderChoice, OtherValuesAreIgnoredWithAWarningEach) {
    for (const char* scale : {"0.49", "1.01", "0.7x", "", "nan", "-1", "seventy"}) {
        const RenderChoice choice("FAST", scale, RendererKind::Software);
        EXPECT_TRUE(choice.fastLook()) << "the renderer's choice stands";
        EXPECT_FALSE(choice.lookFromEnvironment());
        EXPECT_FALSE(choice.fixedScale()) << scale;
        const std::string shown = *scale == '\0' ? "(empty)" : scale;
        EXPECT_EQ(choice.warnings(), "[WARN] VEXMOR_LOOK='FAST' ignored: it takes full or fast\n"
                                     "[WARN] VEXMOR_RENDER_SCALE='" +
                                         shown +
                                         "' ignored: it takes a number from 0.5 to 1, or auto\n");
    }
}
