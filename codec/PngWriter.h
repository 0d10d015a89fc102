#pragma once

#include "files/FileFailure.h"

class QIODevice;
class QImage;

// Writes an opaque image as PNG onto device through libpng: a picture of 256 colours or fewer
// as a palette PNG that keeps them exactly, a richer one as 24-bit RGB. Signs are large flat
// areas and edges, which one fixed row filter and a quick compression level pack nearly as
// tightly as libpng's per-row filter search, in a fraction of the time. Answers why it could
// not, where it could not.
FileFailure writeOpaquePng(const QImage &image, QIODevice &device);
