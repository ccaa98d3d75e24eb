#pragma once

#include <QString>

namespace mirvel {

// Folder of the program file (Zvuky/, Emotikony/, Pomoc/ beside it), ending
// with "/". MIRVEL_PROGRAM_DIR overrides it (tests run from another folder).
QString ProgramFolderPath();
// The data folder: $MIRVEL_DATA_DIR when set, else /var/lib/mirvel/, ending with "/".
QString DataFolderPath();

}  // namespace mirvel
