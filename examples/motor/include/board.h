#ifndef BOARD_H
#define BOARD_H

/* Bench board: PIC18F4550 at 48 MHz driving one brushless motor. */
#define FOSC_HZ 48000000UL
#define LED_RUN LATDbits.LATD0
#define LED_FAULT LATDbits.LATD1

#endif
