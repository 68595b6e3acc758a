#include "LevelObjectGl.h"
#include "common/CoutCapture.h"

#include "engine/Degrees.h"
#include "gameobject/timemachine/RotorPart.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "screen/LevelChanger.h"
#include "screen/LevelEndManager.h"
#include "sound/SoundLibrary.h"

#include <glm/gtc/matrix_transform.hpp>

#include <string>
#include <vector>

using Vexmor::engine::GameObject;
using Vexmor::engine::radians;
using Vexmor::gameobject::TimeMachine;
using Vexmor::gameobject::timemachine::RotorPart;

namespace {

class CountingChanger : public Vexmor::screen::LevelChanger {
public:
    void nextLevel() override { ++calls; }
    int calls = 0;
};

// Notes each play as "<name> loop paused track" with 0/1 flags.
class RecordingSoundEngine : public Vexmor::sound::SoundEngine {
public:
    explicit RecordingSoundEngine(std::vector<std::string>& plays) : plays(plays) {}
    std::unique_ptr<Vexmor::sound::Sound> play2D(const std::string& fileName, bool loop,
                                                 bool startPaused, bool track) override {
        plays.push_back(fileName + " " + std::to_string(loop) + std::to_string(startPaused) +
                        std::to_string(track));
        return nullptr;
    }

private:
    std::vector<std::string>& plays;
};

// Indices into the machine's parts.
constexpr std::size_t capsuleLeft = 0;
constexpr std::size_t capsuleRight = 1;
constexpr std::size_t lockBigRight = 18;
constexpr std::size_t lockBigLeft = 19;
constexpr std::size_t lockSmallUp = 20;
constexpr std::size_t lockSmallDown = 21;
constexpr std::size_t partCount = 23;

constexpr std::size_t armLeft(int i) {
    return 2 + 4 * static_cast<std::size_t>(i);
}

glm::mat4 translation(float x, float y, float z) {
    return glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
}

glm::mat4 turn(float degrees, const glm::vec3& axis) {
    return glm::rotate(glm::mat4(1.0f), radians(degrees), axis);
}

const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 zAxis(0.0f, 0.0f, 1.0f);

struct PartLayout {
    // Index into the parts; -1 is the machine.
    int parent;
    std::string model;
    std::string texture;
    glm::mat4 base;
};

std::vector<PartLayout> machineLayout() {
    std::vector<PartLayout> layout = {
        {-1, "models\\capsule_left.obj", "img\\capsule_off.png", glm::mat4(1.0f)},
        {-1, "models\\capsule_right.obj", "img\\capsule_off.png", glm::mat4(1.0f)},
    };
    for (int i = 0; i < 4; ++i) {
        const glm::mat4 around = turn(90.0f * static_cast<float>(i), xAxis);
        const int left = static_cast<int>(layout.size());
        layout.push_back({0, "models\\rotator_left.obj", "img\\rotator_off.png",
                          translation(-0.34521f, 0.0f, 0.0f) * around});
        layout.push_back(
            {left, "models\\rotatorrotator_left.obj", "img\\rotator_off.png", glm::mat4(1.0f)});
        layout.push_back({1, "models\\rotator_right.obj", "img\\rotator_off.png",
                          translation(0.34521f, 0.0f, 0.0f) * around});
        layout.push_back({left + 2, "models\\rotatorrotator_right.obj", "img\\rotator_off.png",
                          glm::mat4(1.0f)});
    }
    const glm::mat4 bigSeat = translation(0.0f, 0.0f, 0.97835f);
    const glm::mat4 smallSeat = translation(0.0f, 0.0f, 1.00421f);
    layout.push_back({1, "models\\lock_big.obj", "img\\lock_down_on.png", bigSeat});
    layout.push_back(
        {0, "models\\lock_big.obj", "img\\lock_down_on.png", bigSeat * turn(180.0f, zAxis)});
    layout.push_back({0, "models\\lock_small.obj", "img\\lock_up_off.png", smallSeat});
    layout.push_back(
        {1, "models\\lock_small.obj", "img\\lock_down_off.png", smallSeat * turn(180.0f, zAxis)});
    layout.push_back({-1, "models\\time_chair.obj", "img\\chair.png", glm::mat4(1.0f)});
    return layout;
}

const RotorPart& rotor(const TimeMachine& machine, std::size_t index) {
    return dynamic_cast<const RotorPart&>(*machine.getParts().at(index));
}

class TimeMachineGl : public LevelObjectGl {
protected:
    void SetUp() override {
        LevelObjectGl::SetUp();
        Vexmor::sound::SoundLibrary::getInstance().engine =
            std::make_unique<RecordingSoundEngine>(plays);
    }

    void TearDown() override {
        Vexmor::sound::SoundLibrary::destroyInstance();
        LevelObjectGl::TearDown();
    }

    std::vector<glm::mat4> transforms(const TimeMachine& machine) const {
        std::vector<glm::mat4> all;
        for (const auto& part : machine.getParts()) {
            all.push_back(part->getTransform());
        }
        return all;
    }

    const glm::mat4 placed = translation(6.25f, 1.25f, 3.75f);
    std::vector<std::string> plays;
    CountingChanger changer;
    Vexmor::screen::LevelEndManager manager{&changer};
};

} // namespace

TEST_F(TimeMachineGl, BuildsItsPartsIntoTheirHierarchy) {
    const TimeMachine machine(placed);
    EXPECT_EQ(machine.getModel(), nullptr);
    EXPECT_EQ(machine.getBoundingBody(), nullptr);
    EXPECT_EQ(machine.getRadius(), 1.0f);

    const std::vector<PartLayout> layout = machineLayout();
    ASSERT_EQ(machine.getParts().size(), partCount);
    for (std::size_t index = 0; index < partCount; ++index) {
        const GameObject& part = *machine.getParts()[index];
        const PartLayout& expected = layout[index];
        const GameObject* parent =
            expected.parent < 0 ? &machine : machine.getParts()[expected.parent].get();
        EXPECT_EQ(part.getParent(), parent) << "part " << index;
        EXPECT_EQ(part.getModel(), modelNamed(expected.model)) << "part " << index;
        EXPECT_EQ(part.getTexture(), expected.texture) << "part " << index;
        EXPECT_TRUE(matricesNear(part.getTransform(), expected.base)) << "part " << index;
    }
}

TEST_F(TimeMachineGl, UsingItLightsItUpAndUsingItAgainEndsTheLevelAtOnce) {
    TimeMachine machine(placed);
    machine.setLevelEndManager(&manager);
    CoutCapture console;
    machine.interact();
    EXPECT_TRUE(manager.levelEnding);
    EXPECT_TRUE(machine.isActivated());
    EXPECT_EQ(plays, std::vector<std::string>{"sound\\buzzing_woosh.wav 000"});

    std::vector<std::string> lit(partCount, "img\\rotator_on.png");
    lit[capsuleLeft] = lit[capsuleRight] = "img\\capsule_on.png";
    lit[lockBigRight] = lit[lockBigLeft] = "img\\lock_down_on.png";
    lit[lockSmallUp] = "img\\lock_up_on.png";
    lit[lockSmallDown] = "img\\lock_down_on.png";
    lit[partCount - 1] = "img\\chair.png";
    for (std::size_t index = 0; index < partCount; ++index) {
        EXPECT_EQ(machine.getParts()[index]->getTexture(), lit[index]) << "part " << index;
    }

    machine.update(0.5);
    EXPECT_EQ(changer.calls, 0);
    machine.interact();
    EXPECT_EQ(changer.calls, 1);
    EXPECT_EQ(plays.size(), 1u);
    EXPECT_EQ(console.text(), "Player interacted with Timemachine!\n"
                              "Player interacted with Timemachine!\n");
}

TEST_F(TimeMachineGl, TheSequenceOpensTheCapsuleSpinsTheRotorsAndEndsTheLevel) {
    TimeMachine machine(placed);
    machine.setLevelEndManager(&manager);
    const std::vector<glm::mat4> initial = transforms(machine);
    const std::vector<PartLayout> layout = machineLayout();
    const auto lockAt = [&](std::size_t lock, float degrees) {
        return matricesNear(machine.getParts()[lock]->getTransform(),
                            turn(degrees, zAxis) * layout[lock].base);
    };
    {
        CoutCapture quiet;
        machine.interact();
    }
    // Sixteenth-second frames keep the sequence times exact.
    const double dt = 1.0 / 16.0;
    for (int frame = 1; frame <= 152; ++frame) {
        machine.update(dt);
        const double t = -1.0 + dt * frame;
        if (t <= 0.0) {
            const std::vector<glm::mat4> now = transforms(machine);
            for (std::size_t index = 0; index < partCount; ++index) {
                EXPECT_TRUE(matricesNear(now[index], initial[index]))
                    << "part " << index << " at t = " << t;
            }
        } else if (t == 0.5) {
            EXPECT_TRUE(lockAt(lockSmallUp, 150.0f));
            EXPECT_TRUE(lockAt(lockSmallDown, 150.0f));
            EXPECT_TRUE(lockAt(lockBigLeft, -270.0f));
            EXPECT_TRUE(lockAt(lockBigRight, -270.0f));
            EXPECT_EQ(machine.getParts()[capsuleLeft]->getTransform(), glm::mat4(1.0f));
        } else if (t == 2.5) {
            EXPECT_TRUE(lockAt(lockSmallUp, 450.0f));
            EXPECT_TRUE(lockAt(lockBigRight, -810.0f));
            const float left = machine.getParts()[capsuleLeft]->getWorldPosition().x;
            const float right = machine.getParts()[capsuleRight]->getWorldPosition().x;
            EXPECT_NEAR(left, 6.25f - 0.42f, 1e-5f);
            EXPECT_NEAR(right - left, 0.84f, 1e-5f);
        } else if (t == 3.0 || t == 3.5) {
            // Out, and held out until the rotors are let go.
            for (int i = 0; i < 4; ++i) {
                for (const std::size_t arm : {armLeft(i), armLeft(i) + 2}) {
                    const glm::vec3 shift = glm::vec3(machine.getParts()[arm]->getTransform()[3]) -
                                            glm::vec3(layout[arm].base[3]);
                    EXPECT_NEAR(glm::length(shift), 0.2f, 1e-6f) << "arm " << arm << ", t " << t;
                    EXPECT_TRUE(matricesNear(machine.getParts()[arm + 1]->getTransform(),
                                             translation(0.0f, 0.06f, 0.0f)))
                        << "rotor " << arm + 1 << ", t " << t;
                    EXPECT_FALSE(rotor(machine, arm).isSpinning());
                }
            }
        }
        EXPECT_EQ(changer.calls, 0) << "t = " << t;
    }
    machine.update(dt);
    EXPECT_EQ(changer.calls, 1);
    EXPECT_FALSE(machine.isActivated());

    // Spun up from the frame after t = 3.5 to the one after t = 8.5; arms on even places
    // turn their small rotors backwards.
    for (int i = 0; i < 4; ++i) {
        for (const std::size_t arm : {armLeft(i), armLeft(i) + 2}) {
            EXPECT_GT(rotor(machine, arm).getSpinAngle(), 0.0f);
            EXPECT_NEAR(rotor(machine, arm).getSpinSpeed(), (5.0 + dt) * 45.0, 1e-3);
            const float turned = rotor(machine, arm + 1).getSpinAngle();
            EXPECT_EQ(turned < 0.0f, i % 2 == 0) << "arm " << i << ": " << turned;
            EXPECT_NEAR(rotor(machine, arm + 1).getSpinSpeed(), (5.0 + dt) * 90.0, 1e-3);
        }
    }

    // The rotors keep spinning up to their top speeds; the level is asked only once.
    for (int frame = 0; frame < 320; ++frame) {
        machine.update(dt);
    }
    EXPECT_EQ(changer.calls, 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rotor(machine, armLeft(i)).getSpinSpeed(), 360.0f);
        EXPECT_EQ(rotor(machine, armLeft(i) + 1).getSpinSpeed(), 540.0f);
        EXPECT_EQ(rotor(machine, armLeft(i) + 2).getSpinSpeed(), 270.0f);
        EXPECT_EQ(rotor(machine, armLeft(i) + 3).getSpinSpeed(), 540.0f);
    }
}

// A screenshot or a window drag during the sequence moves it on by a tenth of a second:
// the locks turn on from where they were instead of the capsule jumping open, and the level
// does not end early. Tenths still add up to whole seconds.
TEST_F(TimeMachineGl, AHitchMovesTheSequenceOnByATenthOfASecondAtMost) {
    TimeMachine machine(placed);
    machine.setLevelEndManager(&manager);
    const std::vector<PartLayout> layout = machineLayout();
    {
        CoutCapture quiet;
        machine.interact();
    }
    for (int frame = 0; frame < 10; ++frame) {
        machine.update(0.1);
    }
    machine.update(5.0);
    machine.update(5.0);
    EXPECT_TRUE(matricesNear(machine.getParts()[lockSmallUp]->getTransform(),
                             turn(60.0f, zAxis) * layout[lockSmallUp].base, 1e-4f));
    EXPECT_TRUE(matricesNear(machine.getParts()[lockBigLeft]->getTransform(),
                             turn(-108.0f, zAxis) * layout[lockBigLeft].base, 1e-4f));
    EXPECT_EQ(machine.getParts()[capsuleLeft]->getTransform(), glm::mat4(1.0f));
    for (int frame = 0; frame < 100; ++frame) {
        machine.update(20.0);
    }
    EXPECT_EQ(changer.calls, 1) << "once, 9.5 s of tenths after the use";
    EXPECT_FALSE(machine.isActivated());
}

TEST_F(TimeMachineGl, WithoutALevelEndManagerTheSequenceNeverRuns) {
    TimeMachine machine(placed);
    const std::vector<glm::mat4> initial = transforms(machine);
    {
        CoutCapture console;
        machine.interact();
        EXPECT_EQ(console.text(), "Player interacted with Timemachine!\n");
    }
    EXPECT_EQ(machine.getParts()[capsuleLeft]->getTexture(), "img\\capsule_on.png");
    for (int frame = 0; frame < 48; ++frame) {
        machine.update(0.25);
    }
    const std::vector<glm::mat4> now = transforms(machine);
    for (std::size_t index = 0; index < partCount; ++index) {
        EXPECT_EQ(now[index], initial[index]) << "part " << index;
    }
    EXPECT_FALSE(rotor(machine, armLeft(0)).isSpinning());
}

TEST_F(TimeMachineGl, ReachesTwoUnitsFromOneUnitInFrontOfItsOrigin) {
    TimeMachine machine(placed);
    const glm::vec3 front(6.25f, 1.25f, 4.75f);
    EXPECT_TRUE(machine.isInRange(front + glm::vec3(2.0f, 0.0f, 0.0f)));
    EXPECT_TRUE(machine.isInRange(front + glm::vec3(0.0f, 0.0f, 2.0f)));
    EXPECT_FALSE(machine.isInRange(front + glm::vec3(2.01f, 0.0f, 0.0f)));
    EXPECT_FALSE(machine.isInRange(front + glm::vec3(0.0f, -2.01f, 0.0f)));

    // Turned a quarter, the machine's front lies along +x.
    TimeMachine turned(placed * turn(90.0f, glm::vec3(0.0f, 1.0f, 0.0f)));
    const glm::vec3 origin(placed[3]);
    EXPECT_TRUE(turned.isInRange(origin + glm::vec3(2.99f, 0.0f, 0.0f)));
    EXPECT_FALSE(turned.isInRange(origin + glm::vec3(0.0f, 0.0f, 2.5f)));
}
