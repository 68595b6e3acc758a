#pragma once

#include "app/FrameStatistics.h"
#include "app/GpuFrameTimer.h"
#include "app/Progress.h"
#include "app/ProgressFile.h"
#include "app/RenderChoice.h"
#include "app/RenderScaleController.h"
#include "app/Screenshot.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "app/ShellKeys.h"
#include "platform/Input.h"
#include "platform/Window.h"
#include "screen/GameFlow.h"
#include "screen/Screen.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace Vexmor::screen {
class GameScreen;
class OptionsMenu;
class TitleScreen;
} // namespace Vexmor::screen

namespace Vexmor::app {

// The frame loop on the game screen: from creating the screens to releasing them and the
// process-wide libraries, with the frame statistics in the title and the function keys.
class FrameLoop : public screen::GameFlow {
public:
    // Draws into `window`'s context; the keys come from `input`, which the levels read too.
    FrameLoop(platform::Window& window, platform::Input& input);
    ~FrameLoop() override;

    // Plays only this level file, without the title screen; set before startUp.
    void playOnly(std::string levelFile) { onlyLevel = std::move(levelFile); }
    // Creates the screens, lets the game screen read the level list and shows the title
    // screen, or starts the one level file.
    void startUp();
    // From now on the level's render scale follows the frame time against the budget. On
    // graphics hardware (`measureOnCard`) the frame loop waits for the display, so a frame's
    // cost is what the card took to draw it, or the frame's own work where that is more.
    void holdFrameBudget(float startScale);
    // The player's options: applied now and whenever the options change them, and kept in
    // `file`. The render choice says what the environment decided, which the options leave.
    // Sets the budget: 1/30 s on a software rasteriser, the display's interval on hardware.
    void useSettings(Settings& settings, SettingsFile& file, const RenderChoice& choice);
    void runFrame();
    // False once the player quit or the window closed at the end of a frame.
    bool isRunning() const { return running; }

    void playFrom(int level) override;
    void showTitle() override;
    void quitGame() override;
    bool hasTitle() const override { return onlyLevel.empty(); }
    // Closes the game screen, releases both screens, then the libraries in their order.
    void shutDown();

private:
    // The viewport and the render settings follow the framebuffer's size.
    void followFramebuffer();
    // Gives the controller the last frame's cost and takes its scale.
    void adjustRenderScale(double frameDelta);
    void actOnShellKey(int key);
    void applySettings();
    // A fixed scale, or (empty) the scale following the frame time from where it is now.
    void setRenderScale(std::optional<float> fixed);
    void refreshTitle(int fps, int millis);
    void reportGlError();

    platform::Window& window;
    platform::Input& input;
    // The test screen (never run), the game screen and the title screen.
    std::array<std::unique_ptr<screen::Screen>, 3> screens;
    screen::GameScreen* game = nullptr;
    screen::TitleScreen* title = nullptr;
    screen::Screen* current = nullptr;
    std::string onlyLevel;
    bool wasFocused = false;
    // Read at start-up and written each time a level ends; not used for one level file.
    std::unique_ptr<ProgressFile> progressFile;
    Progress progress;
    Settings* settings = nullptr;
    SettingsFile* settingsFile = nullptr;
    const RenderChoice* renderChoice = nullptr;
    std::unique_ptr<screen::OptionsMenu> options;
    double budgetSeconds = 1.0 / 60.0;
    bool measureOnCard = false;

    FrameStatistics statistics;
    ShellKeys shellKeys;
    Screenshot screenshot;
    double lastTime = 0.0;
    std::optional<RenderScaleController> scaleController;
    std::unique_ptr<GpuFrameTimer> gpuTimer;
    // The last frame's own work (update and render), and whether it said nothing of the
    // usual cost: a level loading, an era switch, an unfocused window.
    double lastWork = 0.0;
    bool lastFrameHeld = true;
    bool running = true;
    bool firstFrame = true;
};

} // namespace Vexmor::app
