#include "shared/FopPoints.h"
