	.data
	.balign	4
	.globl	ARINC653KernelStartObject
ARINC653KernelStartObject:
	.byte	0,0,1,143
	.balign	8
	.globl	ARINC653KernelObjectTable
ARINC653KernelObjectTable:
#	OPERATING_MODE = COLD_START(1)
#	START_CONDITION = NORMAL_START(0)
	.byte	0x41
#	Partition has release point = 0
	.byte	0
#	ARINC653 Locking Discipline = BLOCKING_PRIORITY(1)
	.byte	1
#	Partition HM exists = false
#	ARINC653SetAffinityPermission = NOT_PERMITTED
#	Default Process Core Affinity Any = false
#	Max Name Length = 30
	.byte	0
#	Port task object = 0
#	Error process task object = 395
	.byte	0,0,1,139
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 0
	.byte	0,0,0,0
#	PERIOD = 40000000
	.byte	0,0,0,0
	.byte	2,98,90,0
#	DURATION = 5000000
	.byte	0,0,0,0
	.byte	0,76,75,64
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 1
	.byte	0,0,0,1
#	frame_release
	.byte	102,114,97,109
	.byte	101,95,114,101
	.byte	108,101,97,115
	.byte	101,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	0,0,1,154
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 2
	.byte	0,0,0,2
#	main_schedule
	.byte	109,97,105,110
	.byte	95,115,99,104
	.byte	101,100,117,108
	.byte	101,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 1
	.byte	0,0,0,1
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Period = 40000000
	.byte	0,0,0,0
	.byte	2,98,90,0
#	Schedule Duration = 5000000
	.byte	0,0,0,0
	.byte	0,76,75,64
#	Logical To Physical Core Mapping Table
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	maintenance
	.byte	109,97,105,110
	.byte	116,101,110,97
	.byte	110,99,101,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 2
	.byte	0,0,0,2
#	Schedule Number = 2
	.byte	0,0,0,2
#	Schedule Period = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	Schedule Duration = 10000000
	.byte	0,0,0,0
	.byte	0,152,150,128
#	Logical To Physical Core Mapping Table
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.section	".mr_rweu_Flight_Control","aw"
#	OPERATING_MODE = COLD_START(1)
#	START_CONDITION = NORMAL_START(0)
	.byte	0x41
#	Partition has release point = 1
	.byte	1
#	ARINC653 Locking Discipline = BLOCKING_PRIORITY(1)
	.byte	1
#	Partition HM exists = true
#	ARINC653SetAffinityPermission = NOT_PERMITTED
#	Default Process Core Affinity Any = false
#	Max Name Length = 30
	.byte	1
#	Port task object = 29
#	Error process task object = 15
	.byte	0,29,0,15
#	PROCESS Level Error Value Table = 0x4000000
	.byte	4,0,0,0
#	IDENTIFIER = 1
	.byte	0,0,0,1
#	PERIOD = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	DURATION = 10000000
	.byte	0,0,0,0
	.byte	0,152,150,128
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,2,0,0
	.byte	3,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 9
	.byte	0,0,0,9
#	attitude_out
	.byte	97,116,116,105
	.byte	116,117,100,101
	.byte	95,111,117,116
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,1,1
	.byte	0,0,0,32
	.byte	0,0,0,64
	.byte	0,0,0,0
	.byte	1,49,45,0
#	code
	.byte	99,111,100,101
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,6,1
	.byte	0,0,0,38
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	commands_in
	.byte	99,111,109,109
	.byte	97,110,100,115
	.byte	95,105,110,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,132,8
	.byte	0,0,0,33
	.byte	0,0,0,128
	.byte	0,0,0,0
	.byte	0,0,0,4
#	control_loop
	.byte	99,111,110,116
	.byte	114,111,108,95
	.byte	108,111,111,112
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,30
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	data
	.byte	100,97,116,97
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,6,1
	.byte	0,0,0,39
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	data_guard
	.byte	100,97,116,97
	.byte	95,103,117,97
	.byte	114,100,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	0,0,0,37
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	log_out
	.byte	108,111,103,95
	.byte	111,117,116,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,15,16
	.byte	0,0,0,34
	.byte	0,0,1,0
	.byte	0,0,0,32
	.byte	0,0,0,0
#	monitor
	.byte	109,111,110,105
	.byte	116,111,114,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,14,20
	.byte	0,0,0,31
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	status_in
	.byte	115,116,97,116
	.byte	117,115,95,105
	.byte	110,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,131,0
	.byte	0,0,255,255
	.byte	0,0,0,32
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 2
	.byte	0,0,0,2
#	main_schedule
	.byte	109,97,105,110
	.byte	95,115,99,104
	.byte	101,100,117,108
	.byte	101,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 1
	.byte	0,0,0,1
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Period = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	Schedule Duration = 10000000
	.byte	0,0,0,0
	.byte	0,152,150,128
#	Logical To Physical Core Mapping Table
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	maintenance
	.byte	109,97,105,110
	.byte	116,101,110,97
	.byte	110,99,101,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IDLE(1)
	.byte	1
#	Schedule Identifier = 2
	.byte	0,0,0,2
#	Schedule Number = 2
	.byte	0,0,0,2
#	Schedule Period = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	Schedule Duration = 10000000
	.byte	0,0,0,0
	.byte	0,152,150,128
#	Logical To Physical Core Mapping Table
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.section	".mr_rweu_Display","aw"
#	OPERATING_MODE = COLD_START(1)
#	START_CONDITION = NORMAL_START(0)
	.byte	0x41
#	Partition has release point = 1
	.byte	1
#	ARINC653 Locking Discipline = BLOCKING_PRIORITY(1)
	.byte	1
#	Partition HM exists = false
#	ARINC653SetAffinityPermission = NOT_PERMITTED
#	Default Process Core Affinity Any = false
#	Max Name Length = 30
	.byte	0
#	Port task object = 29
#	Error process task object = 15
	.byte	0,29,0,15
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 2
	.byte	0,0,0,2
#	PERIOD = 40000000
	.byte	0,0,0,0
	.byte	2,98,90,0
#	DURATION = 30000000
	.byte	0,0,0,0
	.byte	1,201,195,128
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 6
	.byte	0,0,0,6
#	attitude_in
	.byte	97,116,116,105
	.byte	116,117,100,101
	.byte	95,105,110,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,129,0
	.byte	0,0,0,31
	.byte	1,0,0,64
	.byte	0,0,0,0
	.byte	2,98,90,0
#	commands_out
	.byte	99,111,109,109
	.byte	97,110,100,115
	.byte	95,111,117,116
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,4,8
	.byte	0,0,0,32
	.byte	0,0,0,128
	.byte	0,0,0,0
	.byte	0,0,0,0
#	frame_buffer
	.byte	102,114,97,109
	.byte	101,95,98,117
	.byte	102,102,101,114
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,6,1
	.byte	0,0,0,36
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	log_in
	.byte	108,111,103,95
	.byte	105,110,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,143,16
	.byte	0,0,0,33
	.byte	0,0,1,0
	.byte	0,0,0,32
	.byte	0,0,0,0
#	renderer
	.byte	114,101,110,100
	.byte	101,114,101,114
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,30
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	status_out
	.byte	115,116,97,116
	.byte	117,115,95,111
	.byte	117,116,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,3,1
	.byte	0,7,255,254
	.byte	0,0,0,32
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 2
	.byte	0,0,0,2
#	main_schedule
	.byte	109,97,105,110
	.byte	95,115,99,104
	.byte	101,100,117,108
	.byte	101,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 1
	.byte	0,0,0,1
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Period = 40000000
	.byte	0,0,0,0
	.byte	2,98,90,0
#	Schedule Duration = 30000000
	.byte	0,0,0,0
	.byte	1,201,195,128
#	Logical To Physical Core Mapping Table
	.byte	1,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	maintenance
	.byte	109,97,105,110
	.byte	116,101,110,97
	.byte	110,99,101,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = WARM_START(2)
	.byte	2
#	Schedule Identifier = 2
	.byte	0,0,0,2
#	Schedule Number = 2
	.byte	0,0,0,2
#	Schedule Period = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	Schedule Duration = 80000000
	.byte	0,0,0,0
	.byte	4,196,180,0
#	Logical To Physical Core Mapping Table
	.byte	1,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
