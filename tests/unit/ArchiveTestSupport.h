// Stands in for the archive tests' former helper header until InflateTest.cpp
// includes Support.h itself; then this file goes.
#pragma once
#include "Support.h"
