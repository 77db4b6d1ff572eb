#include "Form1.h"

#include "platform/forms/application.h"
#include "platform/services.h"

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    app.setApplicationName(QStringLiteral("Startomo"));
    platform::startProgram(argc, argv);
    LauncherState state;
    state.CommandLine = platform::services().processes->ownArguments();
    Form1 form(state);
    form.show();
    return app.run();
}
