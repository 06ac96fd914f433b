#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// A notice's detail, in UTF-8 as the report is: one of gtfsTexts' details (GBK like every
// literal) with its "%s" filled by the UTF-8 feed texts it quotes.
std::string noticeText(const char* format, std::initializer_list<std::string_view> utf8Args = {});
