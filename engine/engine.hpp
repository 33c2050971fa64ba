// Everything the windows need from the equation engine.
#pragma once

#include "engine/conversions.hpp"
#include "engine/parser.hpp"
#include "engine/plot_curve.hpp"
#include "engine/polylines.hpp"
#include "engine/solver.hpp"
