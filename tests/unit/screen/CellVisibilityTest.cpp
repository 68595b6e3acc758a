#include "screen/CellVisibility.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using Vexmor::screen::CellVisibility;

namespace {

constexpr float cell = CellVisibility::cellSize;

// A one-storey plan, rows along z, columns along x; '.' is open, '#' rock.
std::vector<glm::ivec3> plan(const std::vector<std::string>& rows) {
    std::vector<glm::ivec3> open;
    for (int z = 0; z < int(rows.size()); ++z) {
        for (int x = 0; x < int(rows[z].size()); ++x) {
            if (rows[z][x] == '.') {
                open.emplace_back(x, 0, z);
            }
        }
    }
    return open;
}

glm::vec3 centreOf(int x, int z) {
    return {(x + 0.5f) * cell, 0.5f * cell, (z + 0.5f) * cell};
}

// A camera standing in a cell and looking along -z turned by `degrees` to the left.
glm::mat4 cameraAt(int x, int z, float degrees = 0.0f) {
    return glm::rotate(glm::translate(glm::mat4(1.0f), centreOf(x, z)), glm::radians(degrees),
                       glm::vec3(0, 1, 0));
}

// A point well inside a cell: a small sphere there reaches no neighbour.
bool seesCell(const CellVisibility& cells, int x, int z) {
    return cells.sees(centreOf(x, z), 0.1f);
}

} // namespace

TEST(CellVisibility, RockStopsTheSightAndWhatLiesBehindIsLeftOut) {
    // A corridor running north from the camera, a room west of it behind solid rock,
    // and a side opening (x = 2, z = 4) into a second corridor.
    const std::vector<std::string> rows = {
        "#######", // z = 0
        "#.#.#.#", // z = 1
        "#.#.#.#", // z = 2
        "#.#.#.#", // z = 3
        "#...#.#", // z = 4
        "###.###", // z = 5
        "###.###", // z = 6
        "#######", // z = 7
    };
    CellVisibility cells(7, 1, 8, plan(rows));
    cells.lookFrom(cameraAt(3, 6));

    for (int z = 1; z <= 6; ++z) {
        EXPECT_TRUE(seesCell(cells, 3, z)) << "corridor cell z = " << z;
    }
    // The opening beside the corridor and the cell beyond it, seen at an angle.
    EXPECT_TRUE(seesCell(cells, 2, 4));
    // Rock facing the corridor carries its panels: it counts as seen.
    EXPECT_TRUE(seesCell(cells, 4, 2));
    // The far corridor behind rock on the right, and the left corridor's far end, hidden
    // behind the corner of the opening.
    for (int z = 1; z <= 4; ++z) {
        EXPECT_FALSE(seesCell(cells, 5, z)) << "hidden cell x = 5, z = " << z;
    }
    EXPECT_FALSE(seesCell(cells, 1, 1));
    EXPECT_FALSE(seesCell(cells, 1, 2));

    // A sphere centred in a hidden cell but reaching into a seen one is kept.
    EXPECT_FALSE(cells.sees(centreOf(5, 2), 0.5f));
    EXPECT_TRUE(cells.sees(centreOf(5, 2) - glm::vec3(0.95f, 0, 0), 0.5f));

    // Turned round, the camera sees only what lies south of it.
    cells.lookFrom(cameraAt(3, 6, 180.0f));
    EXPECT_FALSE(seesCell(cells, 3, 2));
    EXPECT_TRUE(seesCell(cells, 3, 6));
}

TEST(CellVisibility, TheViewEndsAtItsFarPlaneAndCornersOnlyShowTheirFirstCell) {
    // A straight corridor 20 cells (50 units) long, bending right at its far end.
    std::vector<std::string> rows(22, "#.##");
    rows.front() = "####";
    rows[1] = "#...";
    CellVisibility cells(4, 1, 22, plan(rows));
    cells.lookFrom(cameraAt(1, 20));

    // 30 units reach 12 cells ahead of the camera's centre.
    EXPECT_TRUE(seesCell(cells, 1, 9));
    EXPECT_FALSE(seesCell(cells, 1, 6));
    EXPECT_FALSE(seesCell(cells, 2, 1));

    cells.lookFrom(cameraAt(1, 10));
    EXPECT_TRUE(seesCell(cells, 1, 1));
    // Beside the corridor's end, round the bend: the first cell shows its side to the
    // camera, the next is behind rock.
    EXPECT_TRUE(seesCell(cells, 2, 1));
    EXPECT_FALSE(seesCell(cells, 3, 1));
}

TEST(CellVisibility, SeesEverythingWhenItCannotTell) {
    const std::vector<std::string> rows = {"###", "#.#", "#.#", "#.#", "###"};
    CellVisibility cells(3, 1, 5, plan(rows));

    // Before any look, and with the camera in rock or outside the grid.
    EXPECT_TRUE(seesCell(cells, 0, 0));
    cells.lookFrom(cameraAt(0, 0));
    EXPECT_TRUE(seesCell(cells, 1, 1));
    cells.lookFrom(glm::translate(glm::mat4(1.0f), glm::vec3(-10, 1, 2)));
    EXPECT_TRUE(seesCell(cells, 1, 1));

    // Looking at a wall from the open cell in front of it: the wall and the camera's own
    // cell with its neighbours, nothing further behind.
    cells.lookFrom(cameraAt(1, 3, 180.0f));
    EXPECT_TRUE(seesCell(cells, 1, 4));
    EXPECT_TRUE(seesCell(cells, 1, 2));
    EXPECT_FALSE(seesCell(cells, 1, 1));
    // Spheres wider than two cells and centres outside the grid are always drawn.
    EXPECT_TRUE(cells.sees(centreOf(1, 0), 2.1f * cell));
    EXPECT_TRUE(cells.sees(centreOf(1, -3), 0.1f));
    EXPECT_TRUE(cells.sees(glm::vec3(1.0e20f, -3.0e19f, 0.0f), 0.5f)) << "flung far away";
    // Open cells given outside the dimensions are ignored, not written.
    CellVisibility clipped(2, 1, 2, {{0, 0, 0}, {5, 0, 0}, {-1, 0, 0}});
    clipped.lookFrom(cameraAt(0, 0));
    EXPECT_TRUE(seesCell(clipped, 0, 0));
}
