#pragma once
#include <QString>

// The file is Windows Media whose header carries a content-encryption object
// (DRM): its audio decodes to noise without the licence, so it is not converted.
bool IsCopyProtected(const QString& path);
