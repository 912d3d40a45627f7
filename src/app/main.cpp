#include "app/ZarnApplication.h"

int main(int argc, char** argv) {
    zarn::ZarnApplication application(argc, argv);
    return application.Run();
}
