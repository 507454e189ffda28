"""Scenarios of the calculator, KELVARIN.EXE."""
