#include "application.h"

int main(int argc, char** argv)
{
    return mw::gui::runApplication(argc, argv);
}
