#include "screen/LevelEndManager.h"

namespace Vexmor::screen {

LevelEndManager::LevelEndManager(LevelChanger* levelChanger) : levelChanger(levelChanger) {}

} // namespace Vexmor::screen
