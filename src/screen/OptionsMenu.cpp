#include "screen/OptionsMenu.h"

#include <cmath>
#include <cstdio>

namespace Vexmor::screen {

namespace {

enum Item {
    MouseSpeed = 1,
    InvertMouse,
    FieldOfView,
    MusicVolume,
    EffectsVolume,
    FullScreen,
    RenderScale,
    Look,
    FrameStatistics,
    Back
};

std::string fixed(float value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    return text;
}

std::string onOff(bool on) {
    return on ? "On" : "Off";
}

std::string percent(float share) {
    return std::to_string(std::lround(share * 100.0f)) + "%";
}

app::Look nextLook(app::Look look, int direction) {
    constexpr app::Look order[] = {app::Look::Auto, app::Look::Full, app::Look::Fast};
    const int at = static_cast<int>(look);
    return order[(at + (direction > 0 ? 1 : 2)) % 3];
}

} // namespace

OptionsMenu::OptionsMenu(app::Settings& settings, Apply apply)
    : settings(settings), apply(std::move(apply)),
      lines("Options", {{MouseSpeed, "Mouse speed"},
                        {InvertMouse, "Invert mouse"},
                        {FieldOfView, "Field of view"},
                        {MusicVolume, "Music volume"},
                        {EffectsVolume, "Effects volume"},
                        {FullScreen, "Full screen"},
                        {RenderScale, "Render scale"},
                        {Look, "Look"},
                        {FrameStatistics, "Frame statistics"},
                        {Back, "Back"}}) {
    lines.setFooter("Left and right change   Esc goes back");
}

void OptionsMenu::open() {
    showValues();
    lines.selectId(MouseSpeed);
}

void OptionsMenu::showValues() {
    lines.setValue(MouseSpeed, fixed(settings.mouseSensitivity, 2));
    lines.setValue(InvertMouse, onOff(settings.invertY));
    lines.setValue(FieldOfView, fixed(settings.fieldOfView, 0));
    lines.setValue(MusicVolume, percent(settings.musicVolume));
    lines.setValue(EffectsVolume, percent(settings.effectsVolume));
    lines.setValue(FullScreen, onOff(settings.fullScreen));
    const auto later = [](std::string value, bool byEnvironment) {
        return byEnvironment ? value + " (not now)" : value;
    };
    lines.setValue(
        RenderScale,
        later(settings.renderScale ? fixed(*settings.renderScale, 2) : "Auto", scaleByEnvironment));
    std::string look = app::lookName(settings.look);
    look[0] = static_cast<char>(look[0] - 'a' + 'A');
    lines.setValue(Look, later(look, lookByEnvironment));
    lines.setValue(FrameStatistics, onOff(settings.frameStatistics));
}

void OptionsMenu::step(int id, int direction) {
    using app::Settings;
    switch (id) {
    case MouseSpeed:
        settings.mouseSensitivity =
            Settings::mouseSensitivityRange.stepped(settings.mouseSensitivity, direction);
        break;
    case InvertMouse:
        settings.invertY = !settings.invertY;
        break;
    case FieldOfView:
        settings.fieldOfView = Settings::fieldOfViewRange.stepped(settings.fieldOfView, direction);
        break;
    case MusicVolume:
        settings.musicVolume = Settings::volumeRange.stepped(settings.musicVolume, direction);
        break;
    case EffectsVolume:
        settings.effectsVolume = Settings::volumeRange.stepped(settings.effectsVolume, direction);
        break;
    case FullScreen:
        settings.fullScreen = !settings.fullScreen;
        break;
    case RenderScale:
        settings.renderScale = Settings::steppedRenderScale(settings.renderScale, direction);
        break;
    case Look:
        settings.look = nextLook(settings.look, direction);
        break;
    case FrameStatistics:
        settings.frameStatistics = !settings.frameStatistics;
        break;
    default:
        return;
    }
    showValues();
    apply(settings);
}

bool OptionsMenu::follow(const hud::MenuCommands& commands, int pointed) {
    const hud::MenuAction action = lines.follow(commands, pointed);
    switch (action.kind) {
    case hud::MenuAction::Back:
        return true;
    case hud::MenuAction::Accept:
        if (action.id == Back) {
            return true;
        }
        step(action.id, 1);
        return false;
    case hud::MenuAction::Decrease:
        step(action.id, -1);
        return false;
    case hud::MenuAction::Increase:
        step(action.id, 1);
        return false;
    case hud::MenuAction::None:
        break;
    }
    return false;
}

} // namespace Vexmor::screen
