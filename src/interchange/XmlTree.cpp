#include "XmlTree.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include "FetTexts.h"

namespace lovaris::interchange {

const XmlElement* XmlElement::child(std::string_view childName) const {
    for (const auto& c : children)
        if (c.name == childName) return &c;
    return nullptr;
}

std::string XmlElement::childText(std::string_view childName) const {
    const XmlElement* c = child(childName);
    return c ? c->text : std::string();
}

namespace {

using X = InterchangeText;

std::string Utf8(QStringView text) { return text.toString().toStdString(); }

std::string AtLine(const QXmlStreamReader& xml, const std::string& what) {
    return SaidAtLine(xml.lineNumber(), what);
}

}  // namespace

XmlTreeResult ReadXmlTree(std::span<const std::uint8_t> bytes, const XmlLimits& limits) {
    XmlTreeResult result;
    if (bytes.empty()) {
        result.error = Said(X::XmlEmpty);
        return result;
    }
    if (bytes.size() > limits.maxBytes) {
        result.error = Said(X::XmlTooLarge, {std::to_string(limits.maxBytes >> 20)});
        return result;
    }
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QXmlStreamReader xml(data);
    // Nothing is resolved from outside the file, and nothing is expanded inside it.
    xml.setEntityExpansionLimit(0);

    std::vector<XmlElement> open;  // the path from the root to the element being read
    std::size_t elements = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            result.error = AtLine(xml, Said(X::XmlDoctype));
            return result;
        case QXmlStreamReader::EntityReference:
            result.error = AtLine(xml, Said(X::XmlEntity, {Utf8(xml.name())}));
            return result;
        case QXmlStreamReader::StartElement:
            if (static_cast<int>(open.size()) >= limits.maxDepth) {
                result.error = AtLine(xml, Said(X::XmlTooDeep, {std::to_string(limits.maxDepth)}));
                return result;
            }
            if (++elements > limits.maxElements) {
                result.error = AtLine(xml, Said(X::XmlTooManyElements, {std::to_string(limits.maxElements)}));
                return result;
            }
            open.push_back(XmlElement{Utf8(xml.name()), {}, static_cast<int>(xml.lineNumber()), {}});
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty()) open.back().text += Utf8(xml.text());
            break;
        case QXmlStreamReader::EndElement: {
            XmlElement done = std::move(open.back());
            open.pop_back();
            // Between child elements there is only layout.
            if (!done.children.empty()) done.text.clear();
            if (open.empty())
                result.root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
            break;
        }
        default:
            break;
        }
    }
    if (xml.hasError()) {
        result.root.reset();
        result.error = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                           ? AtLine(xml, Said(X::XmlIncomplete))
                           : AtLine(xml, Said(X::XmlMalformed) + Utf8(xml.errorString()));
        return result;
    }
    if (!result.root) result.error = Said(X::XmlNoElement);
    return result;
}

}  // namespace lovaris::interchange
