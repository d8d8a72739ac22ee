// The program's version data.
#include "res/resources.h"

const VersionInfo* QuarvelVersion() { return nullptr; }
