#pragma once

#include <functional>
#include <string>

namespace Vexmor::app {

// F12: saves the window's back buffer, at the framebuffer's size, as "screenshot<n>.png"
// in the working directory.
// Numbers go up from the first one whose file is not there yet, so a run never overwrites
// the pictures of an earlier one; a save that fails is reported and the game goes on.
class Screenshot {
public:
    // "screenshot<number>.png".
    static std::string fileName(int number);
    // The first number from `from` on whose file name `taken` does not claim.
    static int firstFreeNumber(int from, const std::function<bool(const std::string&)>& taken);

    void take();
    // Saves the back buffer as a PNG in a new file `name`: the reason it could not, or ""
    // once saved.
    static std::string save(const std::string& name);

    // The number the next screenshot tries first.
    int getCounter() const { return counter; }

private:
    int counter = 0;
};

} // namespace Vexmor::app
