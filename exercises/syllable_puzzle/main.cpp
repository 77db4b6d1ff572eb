#include "Form1.h"

#include "ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<Form1>(argc, argv);
}
