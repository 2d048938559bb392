// The problem model in one include: the problem record with its arithmetic rules and the
// program's random integers.
#pragma once

#include "model/dudedur_zadanie.h"
#include "model/random.h"
