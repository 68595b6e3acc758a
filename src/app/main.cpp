#include "app/Application.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    Vexmor::app::Application application;
    return application.run(std::vector<std::string>(argv + 1, argv + argc));
}
