#pragma once

// The filter kernels run by the engine (filter_engine.h). Each follows the
// progress contract: 0 at the start, y x 100 \ H after each row it visits
// (y counted from 1), 100 at the end; contrast and scattered report their own
// steps. Division is whole-number division truncated toward zero throughout.

#include "filters/filter_run.h"

// point_filters.cpp
void grayscaleFilter(FilterRun& run);
void negativeFilter(FilterRun& run);
void brightnessFilter(FilterRun& run, int p);
void contrastFilter(FilterRun& run, int p);
void colourSwapFilter(FilterRun& run, int p);
void noiseFilter(FilterRun& run, int p);

// neighbourhood_filters.cpp: the three-by-three filters over the interior.
void sharpenFilter(FilterRun& run, int p);
void edgeFilter(FilterRun& run, int p);
void blurFilter(FilterRun& run);
void contourFilter(FilterRun& run, int colour);
void reliefFilter(FilterRun& run);

// block_filters.cpp
void pixelizeFilter(FilterRun& run, int p);
void defuseFilter(FilterRun& run, int p);

// scattered_filter.cpp
void scatteredFilter(FilterRun& run, int p);

// aquarel_filter.cpp
void aquarelFilter(FilterRun& run);

// Fills the shared table with i \ 3 for i = 0..765: the gray of a channel sum.
void fillGrayTable(FilterTabelArray& tabel);

// The mean gray of the source: the average over all pixels of (b + g + r) \ 3.
int meanGray(const FilterRun& run);
