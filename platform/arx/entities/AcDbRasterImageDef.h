#pragma once
// The definition of a raster image: the image file an image entity shows and
// its size in pixels. Definitions live in the drawing's image dictionary
// ("ACAD_IMAGE_DICT" of the named-object dictionary). Loading reads the
// file's header (PNG, JPEG, BMP, GIF, TIFF) for its size and colour depth;
// the pixels themselves are not kept.
#include <string>

#include "arx/db/AcDbObject.h"
#include "arx/ge/AcGeVector2d.h"

class AcDbRasterImageDef : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImageDef);
  AcDbRasterImageDef();
  ~AcDbRasterImageDef() override;

  Acad::ErrorStatus setSourceFileName(const ACHAR* path);
  const ACHAR* sourceFileName() const;
  // The file actually used (the source file; no search path is applied).
  const ACHAR* activeFileName() const;

  // Reads the image file's header: eFileNotFound when it cannot be opened,
  // eInvalidInput when it is not an image of a known kind.
  Acad::ErrorStatus load();
  Acad::ErrorStatus unload(bool modifyDatabase = true);
  bool isLoaded() const;

  // Width and height in pixels; (0, 0) while unknown.
  AcGeVector2d size() const;
  int colorDepth() const;
  // "PNG", "JPEG", "BMP", "GIF" or "TIFF"; empty while unknown.
  const ACHAR* fileType() const;
  AcGeVector2d resolutionMMPerPixel() const;
  Acad::ErrorStatus setResolutionMMPerPixel(const AcGeVector2d& resolution);
  // Sets the pixel size of an image whose file is not at hand (positive sizes).
  Acad::ErrorStatus vhostSetPixelSize(int width, int height);

  // The image dictionary of the database (null when it has none), and making it.
  static AcDbObjectId imageDictionary(AcDbDatabase* db);
  static Acad::ErrorStatus createImageDictionary(AcDbDatabase* db, AcDbObjectId& dictId);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // IMAGEDEF: 90 version, 1 file name, 10 size in pixels, 11 size of a
  // pixel, 280 loaded, 281 resolution units. Reading does not open the
  // image file; the loaded flag and the units are written back as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Reads an image header from a file: pixel size, colour depth and kind.
  static Acad::ErrorStatus vhostReadImageHeader(const std::wstring& path, int& width, int& height, int& depth,
                                                std::wstring& kind);

 private:
  std::wstring mSource;
  std::wstring mKind;
  Adesk::Int32 mWidth = 0;
  Adesk::Int32 mHeight = 0;
  Adesk::Int32 mDepth = 0;
  AcGeVector2d mResolution = AcGeVector2d(1.0, 1.0);
  bool mLoaded = false;
};
