#include "app/Application.h"

int main() {
    Vexmor::app::Application application;
    return application.run();
}
