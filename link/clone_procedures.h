// The three procedures of a radio transfer, on top of the serial link: the model check, the
// block read, and the write with its address plan. Each opens the port and closes it again.
#pragma once

#include <string>
#include <vector>

#include "link/serial_link.h"
#include "model/messages.h"
#include "model/outcome.h"
#include "model/radio_data.h"

namespace qw {

// What a procedure ended with. portError holds the reason when the port would not open.
struct CloneResult {
  Outcome outcome;
  std::string portError;
};

// Reads both copies of the model number and compares them with the series'. title is the
// caption for a port that will not open ("Read from Radio" or "Program to Radio").
CloneResult ReadDataChkModel(SerialLink& link, int16_t series, const std::string& title);
// Reads addresses 0..imageLast block by block into buffer; a cancel stops the radio with CAN.
CloneResult ReadData(SerialLink& link, Image& buffer, int32_t imageLast);
// Writes the image to the radio along the address plan.
CloneResult WriteData(SerialLink& link, const Image& image, int16_t series);

// Reads back every block the write plan sent and compares the bytes written with image;
// differing gets the addresses that do not match. A cancel stops the radio with CAN.
CloneResult VerifyData(SerialLink& link, const Image& image, int16_t series,
                       std::vector<int32_t>& differing);

// Copies a received image into the program's, except the ranges that stay the program's own.
void TakeOverReadImage(const Image& received, Image& image, int32_t imageLast);

// One step of the write address plan.
struct WriteStep {
  enum Kind { Bytes, Block, Skip } kind;
  int address;              // block address; also the progress point
  int first = 0, last = 0;  // the byte range of a Bytes step
};
std::vector<WriteStep> WritePlan(int16_t series);

// Percent shown for a block address: address / imageLast x 100, rounded.
int ProgressFor(int address, int32_t imageLast);

}  // namespace qw
