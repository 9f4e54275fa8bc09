#include "ui/main/Startup.h"

int main(int argc, char** argv) {
    return qv::ui::runEditor(argc, argv);
}
