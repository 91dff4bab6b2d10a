#pragma once

#include "High/High.h"
