#pragma once

#include "GlDataDirectory.h"
#include "GlTestWindow.h"

#include "engine/ModelLibrary.h"
#include "engine/ShaderLibrary.h"
#include "physics/CollisionShapeLibrary.h"

#include <glm/mat4x4.hpp>

#include <cmath>
#include <memory>
#include <string>

// A GL context and a working directory in which every model a level object names is a
// unit cube.
class LevelObjectGl : public GlTestWindow {
protected:
    void SetUp() override {
        GlTestWindow::SetUp();
        data = std::make_unique<GlDataDirectory>();
        for (const char* name :
             {"door", "door_frame", "stairs", "stairs_block", "stairs_destructed",
              "stairs_block_destructed", "Plane", "sphere", "capsule_left", "capsule_right",
              "lock_big", "lock_small", "rotator_left", "rotator_right", "rotatorrotator_left",
              "rotatorrotator_right", "time_chair", "use_plate", "floor_edge"}) {
            data->write(std::string("models/") + name + ".obj", cubeObj);
        }
    }

    void TearDown() override {
        Vexmor::engine::ModelLibrary::destroyInstance();
        Vexmor::engine::ShaderLibrary::destroyInstance();
        Vexmor::physics::CollisionShapeLibrary::destroyInstance();
        data.reset();
        GlTestWindow::TearDown();
    }

    static Vexmor::engine::Model* modelNamed(const std::string& name) {
        return Vexmor::engine::ModelLibrary::getInstance().getModel(name);
    }

    std::unique_ptr<GlDataDirectory> data;
};

inline ::testing::AssertionResult matricesNear(const glm::mat4& actual, const glm::mat4& expected,
                                               float tolerance = 1e-5f) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            if (std::abs(actual[column][row] - expected[column][row]) > tolerance) {
                return ::testing::AssertionFailure()
                       << "element [" << column << "][" << row << "] is " << actual[column][row]
                       << ", expected " << expected[column][row];
            }
        }
    }
    return ::testing::AssertionSuccess();
}
