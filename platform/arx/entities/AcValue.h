#pragma once
// Options for reading cell values as text (the host's AcValue format
// options); tables take them in textString.
class AcValue {
 public:
  enum FormatOption {
    kFormatOptionNone = 0,
    kForEditing = 1,
    kForExpression = 2,
    kUseMaximumPrecision = 4,
    kIgnoreMtextFormat = 8
  };
};
