#include "Form1.h"

#include "platform/forms/application.h"
#include "platform/services.h"

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    platform::startProgram(argc, argv);
    ExerciseState state;
    Form1 form(state);
    form.show();
    return app.run();
}
