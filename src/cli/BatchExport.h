#pragma once

class BatchCard;
class BatchOptions;
class FieldValues;

// --export: the card as a picture file whose type the output's extension names, at the screen's
// size (5 pixels per millimetre) or, with --dpi, drawn at that resolution as printing draws it.
// Throws VkError naming the file when its type is unknown or it cannot be written.
void ExportBatchCard(const BatchCard &card, const BatchOptions &options, const FieldValues *record = nullptr);
