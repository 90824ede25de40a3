#pragma once
// The analysis panel that takes the place of the Stage-1 group.
class QFrame;
class QLabel;

struct AnalysisArea {
    QFrame* Panel41 = nullptr;
    QLabel* Label224 = nullptr;  // title
    QFrame* Panel42 = nullptr;
    QLabel* Label231 = nullptr;  // optimal template
    QLabel* Label248 = nullptr;  // admissible templates 1..3
    QLabel* Label245 = nullptr;
    QLabel* Label246 = nullptr;
    QFrame* Panel44 = nullptr;
    QLabel* Label243 = nullptr;  // optimal mask
    QLabel* Label244 = nullptr;  // admissible mask
    QFrame* Panel43 = nullptr;
    QLabel* Label181 = nullptr;  // optimal interval L
    QLabel* Label182 = nullptr;  // optimal interval U
    QLabel* Label126 = nullptr;
    QLabel* Label238 = nullptr;  // ground interval U
    QLabel* Label226 = nullptr;  // ground interval G
    QLabel* Label125 = nullptr;
    QLabel* Label408 = nullptr;  // barber's interval G
    QLabel* Label412 = nullptr;  // barber's interval M
    QLabel* Label124 = nullptr;
    QLabel* Label123 = nullptr;  // advice box
    QLabel* Label402 = nullptr;  // one-sided notice
    QLabel* Label118 = nullptr;  // low-variety notice
};
