#include "shared/DisplayPattern.h"
