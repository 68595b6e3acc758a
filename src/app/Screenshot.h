#pragma once

namespace Vexmor::app {

// F12: saves the window's back buffer as "screenshot<n>.png" in the working directory,
// counting from 0 on every run and overwriting older files.
class Screenshot {
public:
    static constexpr int width = 1024;
    static constexpr int height = 768;

    void take();

    int getCounter() const { return counter; }

private:
    int counter = 0;
};

} // namespace Vexmor::app
