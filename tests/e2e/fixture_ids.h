/* Control and system-menu ids of the throwaway test window that exercises the driver. */
#ifndef QUARNIC_TESTS_E2E_FIXTURE_IDS_H
#define QUARNIC_TESTS_E2E_FIXTURE_IDS_H

#define FIXTURE_KEY_COUNT 100
#define FIXTURE_KEY_TOGGLE 101
#define FIXTURE_RADIO_A 144
#define FIXTURE_RADIO_B 145
#define FIXTURE_KEY_WARN 102
#define FIXTURE_KEY_COPY 103
#define FIXTURE_MENU_SAVE 160

#endif
