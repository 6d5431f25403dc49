// Translation between RadioData and its memory image, the finishing step and the checksum.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/radio_data.h"

namespace qw {

// Fills the data set from d.RadioImage under d.ModelSeries. Touches only the decoded fields.
void DecodeImage(RadioData& d);
// Group, common, DSC and ATIS settings only.
void DecodeGeneral(RadioData& d);
// The fourth (EXP/LMR) group only.
void DecodeFourthGroup(RadioData& d);

// Writes the data set into d.RadioImage, over what is already there.
void EncodeImage(RadioData& d);
// Makes the radio's start-up state consistent with the enabled channels; may change PriorityCh.
void FinishImage(RadioData& d);
// Sum of count bytes from start, modulo 256.
uint8_t ImageChecksum(const Image& image, int start, int count);
// image[95] = checksum of bytes 66..94.
void StoreHeaderChecksum(Image& image);
// Encode, finish and header checksum: what programming the radio and saving an image run.
void PrepareImageForRadio(RadioData& d);

// True when bytes 64..65 and the last two bytes of the series' image both hold its model number.
bool ModelIdsMatch(const uint8_t* bytes, std::size_t size, int16_t series);

}  // namespace qw
