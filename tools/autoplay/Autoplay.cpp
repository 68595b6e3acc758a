#include "autoplay/Autoplay.h"

#include "app/GlErrorText.h"
#include "app/Screenshot.h"
#include "autoplay/Autopilot.h"
#include "hud/TitleCard.h"
#include "hud/TitleOverlay.h"
#include "levelcheck/LevelCheck.h"
#include "levelloader/LevelTitle.h"
#include "platform/ActiveInput.h"
#include "platform/ConsoleRedirect.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelChanger.h"
#include "screen/LevelList.h"
#include "screen/LevelManager.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace Vexmor::autoplay {

namespace {

constexpr double frameSeconds = 1.0 / 60.0;
constexpr long recordEvery = 4;

// Notes that the level asked for the next one, which is all a finished level does.
class FinishLine : public screen::LevelChanger {
public:
    void nextLevel() override { reached = true; }

    bool reached = false;
};

// "Level 3 of 7" when the data directory's list names the level, as the game shows it.
std::string levelLine(const std::string& level) {
    const std::vector<std::string> listed =
        screen::LevelList::read("levels\\levels.ini").levelFiles;
    const auto found = std::find(listed.begin(), listed.end(), level);
    if (found == listed.end()) {
        return "";
    }
    return hud::TitleCard::levelLine(static_cast<int>(found - listed.begin()) + 1,
                                     static_cast<int>(listed.size()));
}

std::string frameFile(const std::string& directory, const std::string& level, long frame) {
    char number[24];
    std::snprintf(number, sizeof number, "%05ld", frame / recordEvery);
    // "levels\03_doors.lvl" gives "03_doors".
    const std::string stem =
        std::filesystem::path(level.substr(level.find_last_of('\\') + 1)).stem().string();
    return (std::filesystem::path(directory) / (stem + "_" + number + ".png")).string();
}

} // namespace

std::string gameName(const std::string& level) {
    std::string name = level;
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

Outcome play(const std::string& level, const Options& options, std::ostream& console) {
    Outcome outcome;
    const std::string name = gameName(level);
    const levelcheck::LevelReport report = levelcheck::checkLevel(name);
    if (!report.route) {
        outcome.reason = report.verdict;
        return outcome;
    }
    const bool render = options.render || !options.recordDirectory.empty();

    const platform::ConsoleRedirect redirect(console);
    platform::ScriptedInput input;
    platform::setActiveInput(&input);
    FinishLine finish;
    {
        screen::LevelManager manager(name, &finish);
        manager.init();
        // Drawn as the game draws a level: with its title card at the start.
        std::unique_ptr<hud::TitleOverlay> title;
        if (render) {
            title = std::make_unique<hud::TitleOverlay>(levelLine(name),
                                                        levelloader::LevelTitle::read(name));
        }
        Autopilot pilot(manager, input, *report.layout, *report.route, console);
        const long frameLimit = static_cast<long>(options.limitSeconds / frameSeconds);
        for (long frame = 0; !finish.reached; ++frame) {
            if (pilot.hasGivenUp()) {
                outcome.reason = pilot.reason() + "; " + pilot.whereabouts();
                break;
            }
            if (frame >= frameLimit) {
                outcome.reason = "out of time after " + std::to_string(frame) + " frames; " +
                                 pilot.whereabouts();
                break;
            }
            pilot.steer(frameSeconds);
            manager.update(frameSeconds);
            outcome.frames = frame + 1;
            if (!render) {
                continue;
            }
            title->update(frameSeconds);
            manager.render();
            engine::RenderContext unused;
            title->render(unused);
            if (const GLenum code = glGetError(); code != GL_NO_ERROR) {
                outcome.reason = "OpenGL-Error: " + app::glErrorText(code) + " in frame " +
                                 std::to_string(frame);
                break;
            }
            if (!options.recordDirectory.empty() && frame % recordEvery == 0) {
                const std::string file = frameFile(options.recordDirectory, name, frame);
                const std::string failure = app::Screenshot::save(file);
                if (!failure.empty()) {
                    outcome.reason = "can't write " + file + ": " + failure;
                    break;
                }
            }
            glfwSwapBuffers(glfwGetCurrentContext());
        }
        outcome.finished = finish.reached;
        outcome.seconds = static_cast<double>(outcome.frames) * frameSeconds;
        outcome.eraSwitches = pilot.eraSwitches();
        manager.close();
    }
    platform::setActiveInput(nullptr);
    return outcome;
}

std::string verdict(const std::string& file, const Outcome& outcome) {
    if (!outcome.finished) {
        return file + ": not finished: " + outcome.reason;
    }
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", outcome.seconds);
    return file + ": finished in " + seconds + " s of game time (" +
           std::to_string(outcome.frames) + " frames, " + std::to_string(outcome.eraSwitches) +
           " era switches)";
}

} // namespace Vexmor::autoplay
