#pragma once

#include <QString>
#include <array>

class NewInputModel;
struct TourokuCheck;

// The rules of the examination panels of the chart editor: what an entry needs before its dialog
// opens, what a dialog's result changes, and the whole-examination operations (clear, insert,
// delete and close up, copy of the treatment lines). Every function works on the editor's model;
// none saves: the callers save where the command saves.
class SinsatuEdit
{
public:
    // "日付を入力してください。" while examination j has no date (not while composing templates).
    static TourokuCheck dateGuard(const NewInputModel& m, int j);
    // A date needs the examination before it dated.
    static TourokuCheck dayOrder(const NewInputModel& m, int j);
    // Clearing a date is refused while the examination holds treatment lines.
    static TourokuCheck dayClearRefusal(const NewInputModel& m, int j);
    // Clearing examination 1's date, or closing up over it, deletes the episode at the next save:
    // the question to ask first (empty while composing templates).
    static QString episodeDeleteQuestion(const NewInputModel& m);

    // Ctrl on a veterinarian label: the previous examination's veterinarian, when it has one.
    static void copyTantou(NewInputModel& m, int j);
    // The phrase class of the course-text dialog: the leading number of disease 1's code.
    static int teireiBunrui(const NewInputModel& m);
    // The findings as the findings dialog takes them, and its result back into the list.
    static std::array<QString, 9> syokenText(const NewInputModel& m, int j);
    static void setSyoken(NewInputModel& m, int j, const std::array<QString, 9>& syokenText);

    // Clearing an examination is refused while the next one is dated.
    static TourokuCheck clearRefusal(const NewInputModel& m, int j);
    static QString clearQuestion(int j);
    static QString insertQuestion(int j);
    static QString deleteQuestion(int j);
    // Examination j emptied (its veterinarian reset where the label shows).
    static void clear(NewInputModel& m, int j);
    // An empty examination at j, the later ones moved one further (the 20th is lost).
    static void insert(NewInputModel& m, int j);
    // Examination j removed, the later ones moved up, the 20th empty.
    static void remove(NewInputModel& m, int j);

    // Copy of examination k's treatment lines from examination k - 1 (k = 1 to 19).
    static QString copyQuestion(int k);
    static void copyTiryo(NewInputModel& m, int k);

private:
    static void empty(NewInputModel& m, int j);
    static void move(NewInputModel& m, int from, int to);
};
