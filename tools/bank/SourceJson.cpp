#include "SourceJson.h"

#include "BankError.h"
#include "platform/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace examtrainer::bank {

namespace {

// Reading.

QJsonDocument readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(path.toStdString() + ": cannot be read");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw BankError(path.toStdString() + ": " + error.errorString().toStdString() +
                        " at offset " + std::to_string(error.offset));
    return document;
}

const QJsonValue& require(const QJsonValue& value, const std::string& where) {
    if (value.isUndefined())
        throw BankError(where + ": missing");
    return value;
}

std::string textOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isString())
        throw BankError(where + ": must be a text");
    const std::optional<std::string> bytes = toAnsi(value.toString());
    if (!bytes)
        throw BankError(where + ": holds a character outside the Windows-1252 code page");
    return *bytes;
}

QJsonArray arrayOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isArray())
        throw BankError(where + ": must be a list");
    return value.toArray();
}

QJsonObject objectOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isObject())
        throw BankError(where + ": must be an object");
    return value.toObject();
}

std::string at(const std::string& where, qsizetype index) {
    return where + "[" + std::to_string(index) + "]";
}

int16_t int16Of(const QJsonValue& value, const std::string& where) {
    const double number = require(value, where).toDouble(0.5);
    if (!value.isDouble() || number != static_cast<double>(static_cast<int>(number)) ||
        number < -32768 || number > 32767)
        throw BankError(where + ": must be a whole number in -32768..32767");
    return static_cast<int16_t>(number);
}

std::optional<std::string> optionalText(const QJsonObject& object, const char* key,
                                        const std::string& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    return textOf(value, where + ", " + key);
}

std::vector<std::string> textsOf(const QJsonValue& value, const std::string& where) {
    const QJsonArray array = arrayOf(value, where);
    std::vector<std::string> texts;
    for (qsizetype i = 0; i < array.size(); ++i)
        texts.push_back(textOf(array[i], at(where, i)));
    return texts;
}

std::optional<FigureList> figureList(const QJsonObject& object, const char* key,
                                     const char* shortKey, const std::string& where) {
    const bool full = object.contains(key);
    const bool isShort = object.contains(shortKey);
    if (full && isShort)
        throw BankError(where + ": give " + key + " or " + shortKey + ", not both");
    if (!full && !isShort)
        return std::nullopt;
    FigureList list;
    list.shortFile = isShort;
    list.names =
        textsOf(object.value(full ? key : shortKey), where + ", " + (full ? key : shortKey));
    if (list.names.size() > kFigureListFields)
        throw BankError(where + ", " + key + ": a figure list holds at most 11 figures");
    return list;
}

std::vector<LinkRecord> readLinks(const QJsonArray& records, const std::string& where) {
    std::vector<LinkRecord> links;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const std::string recordWhere = at(where, i);
        const QJsonArray fields = arrayOf(records[i], recordWhere);
        if (fields.size() != 4)
            throw BankError(recordWhere + ": a link record has four fields");
        links.push_back(
            {int16Of(fields[0], at(recordWhere, 0)), textOf(fields[1], at(recordWhere, 1)),
             int16Of(fields[2], at(recordWhere, 2)), int16Of(fields[3], at(recordWhere, 3))});
    }
    return links;
}

std::vector<DisabledRecord> readDisabled(const QJsonArray& records, const std::string& where) {
    std::vector<DisabledRecord> disabled;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const std::string recordWhere = at(where, i);
        const QJsonArray fields = arrayOf(records[i], recordWhere);
        if (fields.size() != 2)
            throw BankError(recordWhere + ": a disabled record has two fields");
        disabled.push_back(
            {int16Of(fields[0], at(recordWhere, 0)), textOf(fields[1], at(recordWhere, 1))});
    }
    return disabled;
}

QuestionSource readQuestion(const QJsonObject& object, const std::string& where) {
    QuestionSource q;
    q.number = int16Of(object.value("number"), where + ".number");
    const std::string named = where + " (question " + std::to_string(q.number) + ")";
    q.level = optionalText(object, "level", named);
    q.points = optionalText(object, "points", named);
    q.question = optionalText(object, "question", named);
    if (object.contains("answers")) {
        const QJsonArray answers = arrayOf(object.value("answers"), named + ", answers");
        if (answers.size() != 3 && answers.size() != 4)
            throw BankError(named + ", answers: a question has three or four answers");
        q.answers.emplace();
        for (qsizetype i = 0; i < answers.size(); ++i) {
            if (answers[i].isNull())
                q.answers->push_back(std::nullopt);
            else
                q.answers->push_back(textOf(answers[i], at(named + ", answers", i)));
        }
    }
    q.key = optionalText(object, "key", named);
    q.area = optionalText(object, "area", named);
    q.comments = optionalText(object, "comments", named);
    q.figures = figureList(object, "figures", "figureFields", named);
    q.answerFigures = figureList(object, "answerFigures", "answerFigureFields", named);
    return q;
}

BankSource readBank(const QString& path) {
    const std::string file = path.toStdString();
    const QJsonObject root = objectOf(readJson(path).object(), file);
    BankSource bank;
    bank.name = textOf(root.value("name"), file + ": name");
    const QJsonArray questions = arrayOf(root.value("questions"), file + ": questions");
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const std::string where = at(file + ": questions", i);
        bank.questions.push_back(readQuestion(objectOf(questions[i], where), where));
    }
    return bank;
}

TestSetSource readTestSet(const QJsonObject& object, const std::string& where) {
    TestSetSource test;
    test.name = textOf(object.value("name"), where + ".name");
    const QJsonValue settings = require(object.value("settings"), where + ".settings");
    if (!settings.isNull()) {
        const std::vector<std::string> fields = textsOf(settings, where + ".settings");
        if (fields.size() != 6)
            throw BankError(where + ".settings: must hold the six fields of TestData.txt");
        test.settings.emplace();
        std::copy(fields.begin(), fields.end(), test.settings->begin());
    }
    const QJsonValue links = object.value("links");
    if (!links.isUndefined())
        test.links = readLinks(arrayOf(links, where + ".links"), where + ".links");
    return test;
}

std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(path.toStdString() + ": cannot be read");
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Writing.

QJsonValue textValue(const std::string& text) {
    return fromAnsi(text);
}

QJsonArray textArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(textValue(text));
    return array;
}

QJsonObject questionObject(const QuestionSource& q) {
    QJsonObject object;
    object["number"] = q.number;
    auto put = [&](const char* key, const std::optional<std::string>& text) {
        if (text)
            object[key] = textValue(*text);
    };
    put("level", q.level);
    put("points", q.points);
    put("question", q.question);
    if (q.answers) {
        QJsonArray answers;
        for (const std::optional<std::string>& answer : *q.answers)
            answers.append(answer ? textValue(*answer) : QJsonValue(QJsonValue::Null));
        object["answers"] = answers;
    }
    put("key", q.key);
    put("area", q.area);
    put("comments", q.comments);
    if (q.figures)
        object[q.figures->shortFile ? "figureFields" : "figures"] = textArray(q.figures->names);
    if (q.answerFigures)
        object[q.answerFigures->shortFile ? "answerFigureFields" : "answerFigures"] =
            textArray(q.answerFigures->names);
    return object;
}

std::string jsonBytes(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace

DataSource readSource(const QString& sourceFolder) {
    const QString cataloguePath = sourceFolder + QStringLiteral("/catalogue.json");
    const std::string file = cataloguePath.toStdString();
    const QJsonObject root = objectOf(readJson(cataloguePath).object(), file);

    DataSource source;
    const QJsonArray categories = arrayOf(root.value("categories"), file + ": categories");
    for (qsizetype c = 0; c < categories.size(); ++c) {
        const std::string where = at(file + ": categories", c);
        const QJsonObject object = objectOf(categories[c], where);
        CategorySource category;
        category.name = textOf(object.value("name"), where + ".name");
        const QJsonValue tests = require(object.value("tests"), where + ".tests");
        if (!tests.isNull()) {
            category.tests.emplace();
            const QJsonArray list = arrayOf(tests, where + ".tests");
            for (qsizetype t = 0; t < list.size(); ++t) {
                const std::string testWhere = at(where + ".tests", t);
                category.tests->push_back(readTestSet(objectOf(list[t], testWhere), testWhere));
            }
        }
        source.categories.push_back(std::move(category));
    }
    const QJsonValue disabled = root.value("disabled");
    if (!disabled.isUndefined())
        source.disabled = readDisabled(arrayOf(disabled, file + ": disabled"), file + ": disabled");

    const QDir banks(sourceFolder + QStringLiteral("/banks"));
    for (const QString& name : banks.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        source.banks.push_back(readBank(banks.filePath(name)));

    const QDir figures(sourceFolder + QStringLiteral("/figures"));
    for (const QString& name : figures.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")},
                                                 QDir::Files, QDir::Name)) {
        const std::optional<std::string> figureName = toAnsi(name.chopped(4));
        if (!figureName)
            throw BankError(figures.filePath(name).toStdString() +
                            ": the name holds a character outside the Windows-1252 code page");
        source.figures[*figureName] = readBytes(figures.filePath(name));
    }
    return source;
}

TreeFiles sourceFiles(const DataSource& source) {
    TreeFiles files;
    QJsonObject catalogue;
    QJsonArray categories;
    for (const CategorySource& category : source.categories) {
        QJsonObject object;
        object["name"] = textValue(category.name);
        if (category.tests) {
            QJsonArray tests;
            for (const TestSetSource& test : *category.tests) {
                QJsonObject testObject;
                testObject["name"] = textValue(test.name);
                testObject["settings"] =
                    test.settings
                        ? QJsonValue(textArray({test.settings->begin(), test.settings->end()}))
                        : QJsonValue(QJsonValue::Null);
                if (test.links) {
                    QJsonArray links;
                    for (const LinkRecord& link : *test.links)
                        links.append(
                            QJsonArray{link.first, textValue(link.bank), link.question, link.last});
                    testObject["links"] = links;
                }
                tests.append(testObject);
            }
            object["tests"] = tests;
        } else {
            object["tests"] = QJsonValue(QJsonValue::Null);
        }
        categories.append(object);
    }
    catalogue["categories"] = categories;
    if (source.disabled) {
        QJsonArray disabled;
        for (const DisabledRecord& record : *source.disabled)
            disabled.append(QJsonArray{record.question, textValue(record.bank)});
        catalogue["disabled"] = disabled;
    }
    files["catalogue.json"] = jsonBytes(catalogue);

    for (const BankSource& bank : source.banks) {
        QJsonArray questions;
        for (const QuestionSource& question : bank.questions)
            questions.append(questionObject(question));
        QJsonObject object;
        object["name"] = textValue(bank.name);
        object["questions"] = questions;
        files["banks/" + checkedName(bank.name, "bank") + ".json"] = jsonBytes(object);
    }
    for (const auto& [name, bytes] : source.figures)
        files["figures/" + checkedName(name, "figure") + ".jpg"] = bytes;
    return files;
}

} // namespace examtrainer::bank
