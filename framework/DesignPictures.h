#pragma once

#include <QString>

// The pictures of the windows' own controls, kept in the program folder under "design/".
enum class DesignPicture { Richtig, Falsch, Ende, Weiter, Loeschen };

QString designPicturePath(DesignPicture picture);
