#include "meter/replies.h"
