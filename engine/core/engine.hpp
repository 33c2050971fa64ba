// Everything the windows need from the equation engine.
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/core/parser.hpp"
#include "engine/core/plot_curve.hpp"
#include "engine/core/polylines.hpp"
#include "engine/core/solver.hpp"
