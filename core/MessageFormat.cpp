#include "core/MessageFormat.h"

std::string formatMessage(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            arg != args.end()) {
            out.append(*arg++);
            ++i;
        } else {
            out.push_back(format[i]);
        }
    }
    return out;
}
