#include "shared/TextForm.h"
