#pragma once
// Every value text of the window in one include: parsers, formatters and steppers.
#include "editing/channelgaintext.h"
#include "editing/delaytext.h"
#include "editing/eqgaintext.h"
#include "editing/freqtext.h"
#include "editing/mastervolumetext.h"
#include "editing/mixcell.h"
#include "editing/qtext.h"
