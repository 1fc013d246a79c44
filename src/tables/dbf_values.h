// Field values of a record: the text a field shows, and the bytes a value becomes. Numbers are
// written without the locale, right-aligned with the field's decimals; a number that does not
// fit its field is refused rather than cut (cutting "123456" to "1234" would store a wrong
// value). Texts are code page 850.
#pragma once

#include <string>
#include <string_view>

#include "core/real.h"
#include "tables/dbf_layout.h"

namespace kv9 {

// Character fields without their trailing blanks, the other kinds trimmed.
std::string FieldText(const DbfField& f, std::string_view record);
// T, Y or J (either case) is true.
bool LogicalValue(std::string_view text);

// The field's bytes (exactly its width) for a text: character fields cut to their width,
// numbers read and written anew, logicals T/Y/J or F/N, dates YYYYMMDD; an empty text leaves
// the field blank. False with `problem` for a text the field cannot hold.
bool EncodeText(const DbfField& f, std::string_view text, std::string& bytes, std::string& problem);
bool EncodeNumber(const DbfField& f, Real value, std::string& bytes, std::string& problem);
std::string EncodeLogical(const DbfField& f, bool value);

// A record of blanks, not deleted.
std::string BlankRecord(const DbfLayout& layout);
void PutField(std::string& record, const DbfField& f, std::string_view bytes);

}  // namespace kv9
