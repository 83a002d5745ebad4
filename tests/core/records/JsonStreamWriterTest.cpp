// The streamed JSON text against the library's printing of the same
// document built as a tree: every shape and every kind of text must come out
// byte for byte the same, whatever the writer's buffer size.
#include "core/records/JsonStreamWriter.h"
#include "core/records/JsonTreeBuilder.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace courtlog {
namespace {

struct Document {
    const char* name;
    void (*stream)(JsonStreamWriter&);
    void (*tree)(JsonTreeBuilder&);
};

void PrintTo(const Document& d, std::ostream* os) { *os << d.name; }

// One description, written against either back end.
template <class Describe>
Document document(const char* name, Describe describe) {
    return {name, describe, describe};
}

std::string allBytes(int from, int to) {
    std::string s;
    for (int b = from; b <= to; ++b) s += static_cast<char>(b);
    return s;
}

const Document kDocuments[] = {
    document("EmptyObject", [](auto& out) {
        out.beginObject();
        out.endObject();
    }),
    document("EmptyListsAndObjectsInside", [](auto& out) {
        out.beginObject();
        out.key("list");
        out.beginArray();
        out.endArray();
        out.key("object");
        out.beginObject();
        out.endObject();
        out.key("lists");
        out.beginArray();
        out.beginArray();
        out.endArray();
        out.beginObject();
        out.endObject();
        out.endArray();
        out.endObject();
    }),
    document("TopLevelList", [](auto& out) {
        out.beginArray();
        for (long long v : {0LL, 9LL, 10LL, -1LL, -10LL, 32767LL, -32768LL, LLONG_MAX, LLONG_MIN}) out.number(v);
        out.boolean(true);
        out.boolean(false);
        out.null();
        out.endArray();
    }),
    document("MembersInOneStep", [](auto& out) {
        out.beginObject();
        out.member("zero", 0);
        out.member("negative", -417);
        out.cp1252Member("text", "plain");
        out.cp1252Member("empty", "");
        out.key("nested");
        out.beginObject();
        out.member("deeper", 12345);
        out.endObject();
        out.endObject();
    }),
    document("AsciiControlsQuotesAndBackslashes", [](auto& out) {
        out.beginArray();
        out.string(allBytes(1, 0x7f));
        out.string("\"quoted\" and \\back\\slashed\\");
        out.string(std::string("nul\0inside", 10));
        out.cp1252String("tab\there\r\n");
        out.endArray();
    }),
    document("Utf8AndBrokenUtf8", [](auto& out) {
        out.beginArray();
        out.string("Zo\xC3\xAB \xC3\x86r\xC3\xB8 \xE2\x82\xAC \xF0\x9F\x8F\x80");
        out.string("\xC2\x81 and \xC2\x9F stay as they are");
        out.string("\xFF\xFE broken");
        out.string("cut short \xC3");
        out.string("overlong \xC0\xAF and surrogate \xED\xA0\x80");
        out.endArray();
    }),
    document("Windows1252Texts", [](auto& out) {
        out.beginArray();
        out.cp1252String(allBytes(0x80, 0xff));
        out.cp1252String("Caf\xE9 \x93quoted\x94 \x80");
        out.endArray();
    }),
    document("LongTexts", [](auto& out) {
        out.beginObject();
        out.cp1252Member("sixtyFive", std::string(65, 'x'));
        out.key("escapedAndLong");
        out.string(std::string(3000, '"') + std::string(70000, 'y') + "\n");
        out.key("highAndLong");
        out.cp1252String(std::string(20000, '\xE9'));
        out.endObject();
    }),
    document("NamesMadeAtRunTime", [](auto& out) {
        out.beginObject();
        out.checkedKey("2%");
        out.number(1);
        out.checkedKey("with \"quotes\"");
        out.number(2);
        out.checkedKey("J\xC3\xB8rgen");
        out.number(3);
        out.checkedKey(std::string(100, 'k'));
        out.number(4);
        out.endObject();
    }),
    document("DeeperThanTheQuickIndent", [](auto& out) {
        for (int depth = 0; depth < 45; ++depth) {
            out.beginObject();
            out.member("depth", depth);
            out.key("inner");
        }
        out.beginArray();
        out.number(1);
        out.endArray();
        for (int depth = 0; depth < 45; ++depth) out.endObject();
    }),
    document("ManyMembers", [](auto& out) {
        out.beginObject();
        out.key("rows");
        out.beginArray();
        for (int i = 0; i < 5000; ++i) {
            out.beginObject();
            out.member("index", i);
            out.cp1252Member("label", "row " + std::to_string(i));
            out.key("flags");
            out.beginArray();
            out.boolean(i % 2 == 0);
            out.null();
            out.endArray();
            out.endObject();
        }
        out.endArray();
        out.endObject();
    }),
};

std::string treeText(const Document& d) {
    JsonTreeBuilder tree;
    d.tree(tree);
    return tree.take().dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string streamedText(const Document& d, std::size_t bufferBytes, int* pieces = nullptr) {
    std::string text;
    JsonStreamWriter out(
        [&](std::string_view piece) {
            text += piece;
            if (pieces) ++*pieces;
            return true;
        },
        bufferBytes);
    d.stream(out);
    EXPECT_TRUE(out.finishDocument());
    return text;
}

class StreamedJson : public ::testing::TestWithParam<Document> {};

TEST_P(StreamedJson, SameTextAsTheTree) {
    const std::string expected = treeText(GetParam());
    EXPECT_EQ(streamedText(GetParam(), 64 * 1024), expected);
    // The smallest buffer the writer takes: texts and members cross pieces.
    EXPECT_EQ(streamedText(GetParam(), 1), expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, StreamedJson, ::testing::ValuesIn(kDocuments),
                         [](const ::testing::TestParamInfo<Document>& info) { return std::string(info.param.name); });

TEST(StreamedJson, LargeDocumentsGoOutInPiecesAndAFailingSinkStopsTheWriter) {
    int pieces = 0;
    const std::string text = streamedText(kDocuments[std::size(kDocuments) - 1], 4096, &pieces);
    EXPECT_GT(pieces, static_cast<int>(text.size() / 4096) - 1);

    int calls = 0;
    JsonStreamWriter out([&](std::string_view) { return ++calls < 2; }, 4096);
    kDocuments[std::size(kDocuments) - 1].stream(out);
    EXPECT_FALSE(out.finishDocument());
    EXPECT_TRUE(out.failed());
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace courtlog
