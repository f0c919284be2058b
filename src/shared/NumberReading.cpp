#include "shared/NumberReading.h"
