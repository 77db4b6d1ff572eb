// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that the source tree names every header and class unambiguously:
// - a quoted include is a path from the source root (or a sibling of the including file), so no
//   include depends on the order of include directories;
// - no class is defined twice under one qualified name in what one program or test links (a silent
//   ODR clash: the linker keeps one of the two and the other's code runs on the wrong layout).
// Usage: names_check <source root>. Prints each fault and exits 1 if there is one.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kProductFolders{"platform", "framework", "exercises", "launcher", "taskmanager",
                                               "tools"};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isSource(const fs::path& path)
{
    const std::string name = path.filename().string();
    return name.ends_with(".cpp") || name.ends_with(".h") || name.ends_with(".h.in");
}

std::vector<fs::path> sourcesBelow(const fs::path& folder)
{
    std::vector<fs::path> found;
    if (!fs::is_directory(folder))
        return found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && isSource(entry.path()))
            found.push_back(entry.path());
    return found;
}

// Made by moc and uic in the target's own generated folder.
bool isGenerated(const std::string& name)
{
    const std::string base = fs::path(name).filename().string();
    return base.ends_with(".moc") || base.starts_with("moc_") || base.starts_with("ui_");
}

std::vector<std::string> quotedIncludes(const std::string& text)
{
    static const std::regex include(R"re(^[ \t]*#[ \t]*include[ \t]*"([^"]+)")re", std::regex::multiline);
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), include); it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1].str());
    return names;
}

// Empty when `name` is a sound include of `file`, else what is wrong with it.
std::string includeFault(const fs::path& root, const fs::path& file, const std::string& name)
{
    if (isGenerated(name))
        return {};
    if (name.find('/') == std::string::npos)
        return fs::exists(file.parent_path() / name) ? std::string{}
                                                      : "a bare name that is not in the file's own folder";
    if (name.starts_with("./") || name.find("../") != std::string::npos)
        return "a relative path";
    // Generated from a template in the source tree (framework/Version.h.in).
    if (fs::exists(root / name) || fs::exists(root / (name + ".in")))
        return {};
    return "not a path from the source root";
}

// Where the literal or comment starting at `i` ends (one past it).
size_t skipLiteral(const std::string& text, size_t i)
{
    if (text.compare(i, 2, "//") == 0)
        return text.find('\n', i) == std::string::npos ? text.size() : text.find('\n', i);
    if (text.compare(i, 2, "/*") == 0)
        return text.find("*/", i + 2) == std::string::npos ? text.size() : text.find("*/", i + 2) + 2;
    if (text.compare(i, 2, "R\"") == 0) {
        const size_t paren = text.find('(', i);
        const std::string close = ")" + text.substr(i + 2, paren - i - 2) + "\"";
        const size_t end = text.find(close, paren);
        return end == std::string::npos ? text.size() : end + close.size();
    }
    const char quote = text[i];
    for (size_t k = i + 1; k < text.size(); ++k) {
        if (text[k] == '\\')
            ++k;
        else if (text[k] == quote || text[k] == '\n')
            return k + 1;
    }
    return text.size();
}

// The code of a file as tokens: comments, literals and preprocessor lines left out.
std::vector<std::string> codeTokens(const std::string& text)
{
    std::vector<std::string> tokens;
    bool lineStart = true;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n' || c == ' ' || c == '\t' || c == '\r') {
            lineStart = lineStart || c == '\n';
            ++i;
        } else if (c == '#' && lineStart) {
            while (i < text.size() && (text[i] != '\n' || text[i - 1] == '\\'))
                ++i;
        } else if (text.compare(i, 2, "//") == 0 || text.compare(i, 2, "/*") == 0 || text.compare(i, 2, "R\"") == 0
                   || c == '"' || c == '\'') {
            i = skipLiteral(text, i);
            lineStart = false;
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            // A number keeps its digit separators (1'000).
            const bool number = std::isdigit(static_cast<unsigned char>(c)) != 0;
            size_t k = i;
            while (k < text.size()
                   && (std::isalnum(static_cast<unsigned char>(text[k])) || text[k] == '_' || (number && text[k] == '\'')))
                ++k;
            tokens.push_back(text.substr(i, k - i));
            i = k;
            lineStart = false;
        } else {
            const bool scope = text.compare(i, 2, "::") == 0;
            tokens.push_back(scope ? "::" : std::string(1, c));
            i += scope ? 2 : 1;
            lineStart = false;
        }
    }
    return tokens;
}

bool isIdentifier(const std::string& t)
{
    return !t.empty() && (std::isalpha(static_cast<unsigned char>(t[0])) || t[0] == '_');
}

// The statement before a `{` from its first token: what the brace opens.
struct Opening {
    enum Kind { Namespace, AnonymousNamespace, Class, Transparent, Other } kind = Other;
    std::string name;
};

// Skips `template <...>` groups and `[[...]]` attributes at the start of a statement.
size_t skipPrefix(const std::vector<std::string>& s, size_t i)
{
    while (i < s.size()) {
        if (s[i] == "template" && i + 1 < s.size() && s[i + 1] == "<") {
            int depth = 0;
            for (++i; i < s.size(); ++i) {
                depth += s[i] == "<" ? 1 : s[i] == ">" ? -1 : 0;
                if (depth == 0)
                    break;
            }
            ++i;
        } else if (s[i] == "[" && i + 1 < s.size() && s[i + 1] == "[") {
            while (i < s.size() && !(s[i] == "]" && i + 1 < s.size() && s[i + 1] == "]"))
                ++i;
            i += 2;
        } else {
            return i;
        }
    }
    return i;
}

// The class name of a class head `class X final : Base` (the last qualified name before the
// base clause), with template arguments of a specialisation.
std::string className(const std::vector<std::string>& s, size_t from)
{
    std::string name;
    for (size_t i = from; i < s.size(); ++i) {
        const std::string& t = s[i];
        if (t == ":" || t == "final")
            break;
        if (t == "<") {
            int depth = 0;
            for (; i < s.size(); ++i) {
                depth += s[i] == "<" ? 1 : s[i] == ">" ? -1 : 0;
                name += s[i];
                if (depth == 0)
                    break;
            }
        } else if (t == "::") {
            name += t;
        } else if (isIdentifier(t)) {
            name = name.ends_with("::") ? name + t : t;
        }
    }
    return name;
}

Opening opening(const std::vector<std::string>& statement)
{
    const size_t i = skipPrefix(statement, 0);
    if (i >= statement.size())
        return {};
    const std::string& head = statement[i];
    if (head == "namespace" || (head == "inline" && i + 1 < statement.size() && statement[i + 1] == "namespace")) {
        const size_t n = head == "inline" ? i + 2 : i + 1;
        if (n >= statement.size())
            return {Opening::AnonymousNamespace, {}};
        std::string name;
        for (size_t k = n; k < statement.size(); ++k)
            name += statement[k];
        return {Opening::Namespace, name};
    }
    if (head == "extern" && statement.size() == i + 1)
        return {Opening::Transparent, {}};
    const bool classHead = head == "class" || head == "struct" || head == "union";
    for (const std::string& t : statement)
        if (t == "=" || t == "(")
            return {};
    if (classHead)
        return {Opening::Class, className(statement, i + 1)};
    return {};
}

// Qualified names of the classes a file defines at namespace scope (not in an anonymous namespace).
std::set<std::string> definedClasses(const std::string& text)
{
    std::set<std::string> classes;
    std::vector<Opening> open;
    std::vector<std::string> statement;
    for (const std::string& t : codeTokens(text)) {
        if (t == "{") {
            Opening o = opening(statement);
            const bool atNamespaceScope = std::all_of(open.begin(), open.end(), [](const Opening& e) {
                return e.kind == Opening::Namespace || e.kind == Opening::Transparent;
            });
            if (o.kind == Opening::Class && atNamespaceScope && !o.name.empty()) {
                std::string qualified;
                for (const Opening& e : open)
                    if (e.kind == Opening::Namespace)
                        qualified += e.name + "::";
                classes.insert(qualified + o.name);
            }
            open.push_back(std::move(o));
            statement.clear();
        } else if (t == "}") {
            if (!open.empty())
                open.pop_back();
            statement.clear();
        } else if (t == ";") {
            statement.clear();
        } else {
            statement.push_back(t);
        }
    }
    return classes;
}

class Tree {
public:
    explicit Tree(fs::path root) : root_(std::move(root)) {}

    int check()
    {
        checkIncludes();
        std::vector<fs::path> product;
        for (const std::string& folder : kProductFolders)
            for (const fs::path& f : sourcesBelow(root_ / folder))
                product.push_back(f);
        checkLink("the programs", product, {});
        for (const std::string& top : {std::string("tests"), std::string("bench")})
            checkGroups(top, product);
        return faults_;
    }

private:
    void fault(const std::string& message)
    {
        std::cout << message << "\n";
        ++faults_;
    }

    std::string relative(const fs::path& p) const { return fs::relative(p, root_).generic_string(); }

    void checkIncludes()
    {
        std::vector<std::string> folders = kProductFolders;
        folders.insert(folders.end(), {"tests", "bench"});
        for (const std::string& top : folders)
            for (const fs::path& file : sourcesBelow(root_ / top))
                for (const std::string& name : quotedIncludes(readFile(file)))
                    if (const std::string why = includeFault(root_, file, name); !why.empty())
                        fault(relative(file) + ": #include \"" + name + "\" is " + why);
    }

    // Each folder of tests/ or bench/ with what it includes from elsewhere in the tree, the
    // shared test support and the programs.
    void checkGroups(const std::string& top, const std::vector<fs::path>& product)
    {
        if (!fs::is_directory(root_ / top))
            return;
        for (const auto& entry : fs::directory_iterator(root_ / top)) {
            if (!entry.is_directory() || entry.path().filename() == "support")
                continue;
            std::vector<fs::path> files = product;
            for (const fs::path& f : sourcesBelow(root_ / "tests" / "support"))
                files.push_back(f);
            for (const fs::path& f : sourcesBelow(entry.path()))
                addWithIncludes(files, f);
            if (top == "bench")
                for (const auto& shared : fs::directory_iterator(root_ / top))
                    if (shared.is_regular_file() && isSource(shared.path()))
                        files.push_back(shared.path());
            checkLink(relative(entry.path()), files, product);
        }
    }

    void addWithIncludes(std::vector<fs::path>& files, const fs::path& file)
    {
        if (std::find(files.begin(), files.end(), file) != files.end())
            return;
        files.push_back(file);
        for (const std::string& name : quotedIncludes(readFile(file)))
            if (name.find('/') != std::string::npos && fs::is_regular_file(root_ / name))
                addWithIncludes(files, root_ / name);
    }

    // Faults only among `known` were reported before.
    void checkLink(const std::string& what, const std::vector<fs::path>& files, const std::vector<fs::path>& known)
    {
        std::set<std::string> reported;
        for (const fs::path& f : known)
            reported.insert(relative(f));
        std::map<std::string, std::set<std::string>> definitions;
        for (const fs::path& file : files)
            for (const std::string& name : definedClasses(readFile(file)))
                definitions[name].insert(relative(file));
        for (const auto& [name, where] : definitions) {
            if (where.size() < 2 || std::includes(reported.begin(), reported.end(), where.begin(), where.end()))
                continue;
            std::string list;
            for (const std::string& f : where)
                list += " " + f;
            fault(what + ": class " + name + " is defined in" + list);
        }
    }

    fs::path root_;
    int faults_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: names_check <source root>\n";
        return 2;
    }
    return Tree(argv[1]).check() == 0 ? 0 : 1;
}
