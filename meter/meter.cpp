#include "meter/meter.h"
