#pragma once

#include <memory>
#include <unicode/ucnv.h>

namespace velora::RtfReader {

// Windows code page of an \fcharset value; 0 means the document's own code page.
int codePageOfCharset(long charset);

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's converter for a code page RTF names by number; empty when ICU has none.
Converter openCodePage(int codePage);

} // namespace velora::RtfReader
