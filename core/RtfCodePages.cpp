#include "core/RtfCodePages.hpp"

#include <string>

namespace velora::RtfReader {

int codePageOfCharset(long charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

Converter openCodePage(int codePage) {
    std::string name;
    switch (codePage) {
    case 10000:
        name = "macintosh";
        break;
    case 437:
    case 850:
        name = "ibm-" + std::to_string(codePage);
        break;
    default:
        name = "windows-" + std::to_string(codePage);
        break;
    }
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.c_str(), &status));
    return U_SUCCESS(status) ? std::move(converter) : Converter();
}

} // namespace velora::RtfReader
