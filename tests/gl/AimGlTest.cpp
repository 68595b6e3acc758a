#include "ShippedDataGl.h"
#include "common/CoutCapture.h"
#include "common/TextCount.h"

#include "gameobject/Door.h"
#include "gameobject/Player.h"
#include "gameobject/timemachine/TimeMachine.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelChanger.h"
#include "screen/LevelEndManager.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>

#include <algorithm>
#include <string>

using namespace Vexmor;

namespace {

class CountingChanger : public screen::LevelChanger {
public:
    void nextLevel() override { ++requests; }
    int requests = 0;
};

// The player one cell south of a door of the given kind whose doorway faces him.
std::string doorLevel(int kind) {
    return "xDim 4\nyDim 3\nzDim 6\nplayer 1 1 3\nair 1 1 3\nair 1 1 4\nair 2 1 3\n"
           "air 1 1 1\ndoor 1 1 2 0 " +
           std::to_string(kind) + "\n";
}

// The player in front of a time machine, looking at it, walls to his left and right.
const char* const machineLevel = "xDim 4\nyDim 3\nzDim 4\nplayer 1.5 1 2\n"
                                 "air 2 1 1\nair 1 1 2\nair 2 1 2\n"
                                 "timemachine 1 1 1 0\n";

// A room of four by four cells round a time machine used from +z, the player behind it
// looking away from it.
const char* const roomLevel = "xDim 4\nyDim 3\nzDim 4\nplayer 1.5 1 0\n"
                              "air 0 1 0\nair 1 1 0\nair 2 1 0\nair 3 1 0\n"
                              "air 0 1 1\nair 2 1 1\nair 3 1 1\n"
                              "air 0 1 2\nair 1 1 2\nair 2 1 2\nair 3 1 2\n"
                              "air 0 1 3\nair 1 1 3\nair 2 1 3\nair 3 1 3\n"
                              "timemachine 1 1 1 0\n";

const std::string doorUsed = "Player interacted with door!\n";
const std::string machineUsed = "Player interacted with Timemachine!\n";

// A pixel of an RGB frame read from the bottom row up.
const unsigned char* pixel(const std::vector<unsigned char>& frame, int x, int y) {
    return &frame[(static_cast<std::size_t>(y) * 1024 + x) * 3];
}

bool white(const unsigned char* rgb) {
    return std::min({rgb[0], rgb[1], rgb[2]}) >= 225;
}

bool dark(const unsigned char* rgb) {
    return std::max({rgb[0], rgb[1], rgb[2]}) <= 80;
}

// Each of the four arms round the window's middle is white and edged dark across.
bool crosshairAtCentre(const std::vector<unsigned char>& frame) {
    struct Arm {
        int x, y, edgeX, edgeY;
    };
    for (const Arm& arm :
         {Arm{518, 384, 0, 1}, Arm{505, 383, 0, -1}, Arm{512, 391, 1, 0}, Arm{511, 376, -1, 0}}) {
        if (!white(pixel(frame, arm.x, arm.y)) ||
            !dark(pixel(frame, arm.x + arm.edgeX, arm.y + arm.edgeY))) {
            return false;
        }
    }
    return true;
}

// Low in the hint, right of the middle, where the lock sign shows its amber padlock and the
// use hint nothing amber.
bool amberInHint(const std::vector<unsigned char>& frame) {
    const unsigned char* rgb = pixel(frame, 491, 166);
    return rgb[0] >= 200 && rgb[1] >= 120 && rgb[2] <= 120;
}

// Light pixels right of the hint, where the other-side sign shows its words.
int wordsRightOfHint(const std::vector<unsigned char>& frame) {
    int light = 0;
    for (int y = 160; y < 186; ++y) {
        for (int x = 520; x < 650; ++x) {
            light += std::min({pixel(frame, x, y)[0], pixel(frame, x, y)[1],
                               pixel(frame, x, y)[2]}) >= 200;
        }
    }
    return light;
}

class AimGl : public ShippedDataGl {
protected:
    void SetUp() override {
        ShippedDataGl::SetUp();
        platform::setActiveInput(&input);
    }

    void TearDown() override {
        if (level) {
            level->close();
            level.reset();
        }
        platform::setActiveInput(nullptr);
        ShippedDataGl::TearDown();
    }

    void start(const std::string& file, const std::string& text = "") {
        if (!text.empty()) {
            std::string path = file;
            std::replace(path.begin(), path.end(), '\\', '/');
            data->write(path, text);
        }
        level = std::make_unique<screen::LevelManager>(file, &changer);
        CoutCapture quiet;
        level->init();
        frames(30); // lands on the floor
    }

    std::string frames(int count) {
        CoutCapture console;
        for (int i = 0; i < count; ++i) {
            level->update(1.0 / 60.0);
        }
        return console.text();
    }

    // Holds E for a frame; returns what that printed.
    std::string tapUse() {
        input.press('E');
        std::string printed = frames(1);
        input.release('E');
        return printed + frames(1);
    }

    // Turns the view about the vertical, to the left for positive degrees.
    void turn(float degrees) {
        input.moveCursor({static_cast<int>(-2.0f * degrees), 0});
        frames(1);
    }

    void placeBody(float x, float z) {
        btRigidBody* body = level->getScene().getPlayer()->getBody();
        btTransform placed = body->getWorldTransform();
        placed.setOrigin(btVector3(x, placed.getOrigin().y(), z));
        body->setWorldTransform(placed);
        body->getMotionState()->setWorldTransform(placed);
        body->setLinearVelocity(btVector3(0, 0, 0));
        body->activate();
        frames(2);
    }

    // What the reach test alone measures: the point one unit in front of the eye.
    glm::vec3 probe() const {
        return glm::vec3(level->getScene().getPlayer()->getCameraMatrix() *
                         glm::vec4(0.0f, 0.0f, -1.0f, 1.0f));
    }

    template <typename T> T* first() const {
        for (const auto& object : level->getScene().getObjects(level->isBright())) {
            if (auto* typed = dynamic_cast<T*>(object.get())) {
                return typed;
            }
        }
        return nullptr;
    }

    platform::ScriptedInput input;
    CountingChanger changer;
    std::unique_ptr<screen::LevelManager> level;
};

} // namespace

TEST_F(AimGl, ADoorInReachIsOfferedAndUsedOnlyWhileThePlayerFacesIt) {
    start("aim\\door.lvl", doorLevel(0));
    gameobject::Door* door = first<gameobject::Door>();
    ASSERT_NE(door, nullptr);
    // Close to the leaf and turned 70 degrees away from it, the reach point still touches it.
    placeBody(3.75f, 7.9f);
    turn(70.0f);
    ASSERT_TRUE(door->isInRange(probe()));
    EXPECT_FALSE(level->isLookingAtInteractable());
    EXPECT_EQ(count(tapUse(), doorUsed), 0);
    EXPECT_FALSE(door->isOpen());

    turn(-70.0f);
    EXPECT_TRUE(level->isLookingAtInteractable());
    EXPECT_EQ(count(tapUse(), doorUsed), 1);
    EXPECT_TRUE(door->isOpen());
}

TEST_F(AimGl, TheMachineStartsOnlyFacedAndOffersNothingMoreOnceItRuns) {
    start("aim\\machine.lvl", machineLevel);
    auto* machine = first<gameobject::TimeMachine>();
    ASSERT_NE(machine, nullptr);
    turn(90.0f);
    ASSERT_TRUE(machine->isInRange(probe())) << "facing the wall beside it";
    EXPECT_FALSE(level->isLookingAtInteractable());
    EXPECT_EQ(count(tapUse(), machineUsed), 0);
    EXPECT_FALSE(machine->isActivated());

    turn(-90.0f);
    EXPECT_TRUE(level->isLookingAtInteractable());
    EXPECT_EQ(count(tapUse(), machineUsed), 1);
    EXPECT_TRUE(machine->isActivated());

    // Looking at it and pressing E through the whole sequence neither shows the hint nor
    // cuts the sequence short.
    std::string printed;
    int hintFrames = 0;
    for (int frame = 0; frame < 9 * 60; ++frame) {
        if (frame % 2 == 0) {
            input.press('E');
        } else {
            input.release('E');
        }
        printed += frames(1);
        hintFrames += level->isLookingAtInteractable() ? 1 : 0;
    }
    EXPECT_EQ(count(printed, machineUsed), 0);
    EXPECT_EQ(hintFrames, 0);
    EXPECT_EQ(changer.requests, 0) << "the sequence takes 9.5 s";
    frames(60);
    EXPECT_EQ(changer.requests, 1);
}

TEST_F(AimGl, ALockedDoorAnswersWithItsSignForASecondAndARattle) {
    start("aim\\locked.lvl", doorLevel(1));
    gameobject::Door* door = first<gameobject::Door>();
    ASSERT_NE(door, nullptr);
    ASSERT_EQ(door->getState(), gameobject::Door::Locked);
    const glm::mat4 shut = door->getTransform();
    ASSERT_TRUE(level->isLookingAtInteractable());
    EXPECT_FALSE(amberInHint(renderFrame(*level)));

    EXPECT_EQ(count(tapUse(), doorUsed), 1);
    EXPECT_TRUE(level->isShowingLockSign());
    EXPECT_TRUE(amberInHint(renderFrame(*level))) << "the lock sign, not the use hint";
    float widest = 0.0f;
    for (int frame = 0; frame < 28; ++frame) {
        frames(1);
        widest = std::max(widest, door->getAngle());
    }
    EXPECT_GT(widest, 2.0f);
    EXPECT_LE(widest, 3.0f);
    EXPECT_EQ(door->getAngle(), 0.0f) << "back shut within half a second";
    EXPECT_EQ(door->getTransform(), shut);
    frames(20); // 0.9 s after the press
    EXPECT_TRUE(level->isShowingLockSign());
    frames(12);
    EXPECT_FALSE(level->isShowingLockSign());
    EXPECT_FALSE(amberInHint(renderFrame(*level)));
    EXPECT_TRUE(level->isLookingAtInteractable());

    // Tried again half-way, the sign stays for a second from then and the leaf rattles anew.
    EXPECT_EQ(count(tapUse(), doorUsed), 1);
    frames(28);
    EXPECT_EQ(count(tapUse(), doorUsed), 1);
    frames(6);
    EXPECT_GT(door->getAngle(), 0.0f);
    frames(40); // 1.3 s after the first of the two
    EXPECT_TRUE(level->isShowingLockSign());
    frames(20);
    EXPECT_FALSE(level->isShowingLockSign());
}

TEST_F(AimGl, TheCrosshairMarksTheMiddleOfTheViewButNotOfTheHelp) {
    start("levels\\01_first_steps.lvl");
    EXPECT_TRUE(crosshairAtCentre(renderFrame(*level)));
    // Turned towards the lit floor and the dark far end alike, it still shows.
    for (int step = 0; step < 4; ++step) {
        turn(90.0f);
        EXPECT_TRUE(crosshairAtCentre(renderFrame(*level))) << step;
    }
    app::renderSettings().showHelp = true;
    EXPECT_FALSE(crosshairAtCentre(renderFrame(*level)));
}

TEST_F(AimGl, ADoorThePlayerStandsAgainstIsUsed) {
    start("aim\\door.lvl", doorLevel(0));
    gameobject::Door* door = first<gameobject::Door>();
    ASSERT_NE(door, nullptr);
    // The leaf's back lies at z = 7.45 and the body is 0.25 round: against it from inside the
    // door's own cell, facing it, where the reach point has passed through the leaf.
    placeBody(3.75f, 7.19f);
    turn(180.0f);
    EXPECT_FALSE(door->isInRange(probe()));
    EXPECT_TRUE(level->isLookingAtInteractable());
    EXPECT_EQ(count(tapUse(), doorUsed), 1);
    EXPECT_TRUE(door->isOpen());
}

TEST_F(AimGl, BehindTheMachineASignSaysToUseItFromTheOtherSide) {
    start("aim\\room.lvl", roomLevel);
    EXPECT_FALSE(level->isShowingOtherSideSign()) << "looking away";
    // Facing it from behind, 3.75 units off: near enough were this its use side.
    turn(180.0f);
    EXPECT_TRUE(level->isShowingOtherSideSign());
    EXPECT_FALSE(level->isLookingAtInteractable());
    EXPECT_GT(wordsRightOfHint(renderFrame(*level)), 100);
    EXPECT_EQ(count(tapUse(), machineUsed), 0);
    // Not while the era switches.
    input.press('T');
    frames(2);
    input.release('T');
    EXPECT_FALSE(level->isShowingOtherSideSign());
    frames(330);
    EXPECT_TRUE(level->isShowingOtherSideSign());

    // As far off on the use side, the hint and not the sign, and it starts.
    placeBody(5.0f, 8.75f);
    turn(180.0f);
    EXPECT_FALSE(level->isShowingOtherSideSign());
    EXPECT_EQ(wordsRightOfHint(renderFrame(*level)), 0);
    EXPECT_EQ(count(tapUse(), machineUsed), 1);
    EXPECT_FALSE(level->isShowingOtherSideSign()) << "nor once it runs";
}
