#pragma once
// LMyFFTDrawPhase: the twin response graph. It is LMyFFTDrawHpLp6dB with its
// own assignment of PEQ types to band text classes, and its parameter display
// stays off, so its handles carry no text.

#include "response/LMyFFTDrawHpLp6dB.h"

class LMyFFTDrawPhase : public LMyFFTDrawHpLp6dB
{
public:
    explicit LMyFFTDrawPhase(TComponent* AOwner);
    LMyFFTDrawPhase(const LMyFFTDrawPhase& other) : LMyFFTDrawHpLp6dB(other) {}
    bool SetParameterDisplay(bool on) = delete;
};
