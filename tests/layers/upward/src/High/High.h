#pragma once

#include "Low/Low.h"
