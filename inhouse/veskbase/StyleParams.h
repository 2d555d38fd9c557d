#pragma once
// The style records of the drawing standards: text styles, standard lines,
// texts, hatches and free parameters. Plain structures copied by value; text
// fields are fixed wide-character arrays. The member defaults are what a
// record holds before a standards row is read into it, and what a caller
// gets back when the row is missing.
//
// Conventions inside the records: a Textstyle beginning with '$' names a row
// of the text-style table by its item (the name after '$'), any other value is
// a plain text-style name; an OwnerLayer beginning with '$' names a standard
// layer item. Colour 256 is the colour index meaning "by layer".

namespace vesk {

// One text style of the standards.
struct TEXTSTYLEPARAM {
  wchar_t TextstyleName[255] = L"st";
  wchar_t FontFile[256] = L"宋体";  // a typeface name, or shape-font file names
  double Height = 3.0;
  double XScale = 1.0;
  double ObliquingAngle = 0.0;
  int Bold = 0;
  int Italic = 0;
  int XMirror = 0;
  int YMirror = 0;
  int Vertical = 1;
  int OwnerGroup = 1023;
};

// The look of one standard line.
struct LINEPARAM {
  int Color = 256;
  int Weight = 0;
  double PolyWidth = 0.0;
  double LineScale = 1.0;
  double Thickness = 0.0;
  wchar_t Linetype[255] = L"CONTINUOUS";
  wchar_t OwnerLayer[255] = L"0";
  int OwnerGroup = 1023;
};

// The look of one standard text.
struct TEXTPARAM {
  int Color = 256;
  int Weight = 0;
  double Height = 3.0;
  double LineScale = 1.0;
  double Thickness = 0.0;
  wchar_t Textstyle[255] = L"st";
  wchar_t Linetype[255] = L"ByLayer";
  wchar_t OwnerLayer[256] = L"0";
  int OwnerGroup = 1023;
};

// The look of one standard hatch.
struct HATCHPARAM {
  int Color = 256;
  int Weight = 0;
  double LineScale = 1.0;
  double Thickness = 0.0;
  wchar_t Linetype[256] = L"CONTINUOUS";
  int PatType = 0;
  wchar_t PatName[256] = L"solid";
  double Angle = 0.0;
  double Scale = 1.0;
  double Space = 1.0;
  int IsDouble = 0;
  wchar_t OwnerLayer[256] = L"0";
  int OwnerGroup = 1023;
};

// Result-type codes of a free parameter (the host's codes for a real and a
// string).
constexpr int kOtherParamNumber = 5001;
constexpr int kOtherParamText = 5005;

// One free parameter: its value as text and what the text holds.
struct OTHERPARAM {
  wchar_t ValueText[256] = L"";
  int Type = 0;  // kOtherParamNumber or kOtherParamText
  int OwnerGroup = 0;
};

}  // namespace vesk
