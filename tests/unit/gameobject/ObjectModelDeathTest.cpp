#include "engine/GameObject.h"
#include "gameobject/ObjectModel.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class Bare : public Vexmor::engine::GameObject {
public:
    void onUpdate(double /*seconds*/) override {}
};

} // namespace

// The model library hands out null only for a name no loader takes, and stairs and panels
// name OBJ files, so the fatal path is driven here with an object that has no model.
TEST(ObjectModelDeathTest, AnObjectWithoutItsModelEndsTheGameWithStatusFour) {
    for (const char* className : {"Stair", "WallPanel"}) {
        EXPECT_EXIT(
            {
                dup2(STDERR_FILENO, STDOUT_FILENO);
                Bare bare;
                Vexmor::gameobject::requireModel(bare, className);
            },
            ::testing::ExitedWithCode(4),
            std::string("^Error while init ") + className +
                ": model is null!\nPress any key to continue \\. \\. \\. \n$");
    }
}
