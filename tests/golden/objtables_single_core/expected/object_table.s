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
#	PERIOD = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	DURATION = 10000000
	.byte	0,0,0,0
	.byte	0,152,150,128
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
#	kernel_lock
	.byte	107,101,114,110
	.byte	101,108,95,108
	.byte	111,99,107,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	0,0,1,154
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	0,0,0,1
#	main_plan
	.byte	109,97,105,110
	.byte	95,112,108,97
	.byte	110,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 4
	.byte	0,0,0,4
#	Schedule Number = 1
	.byte	0,0,0,1
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
	.section	".mr_rweu_Sensor","aw"
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
#	Port task object = 25
#	Error process task object = 15
	.byte	0,25,0,15
#	PROCESS Level Error Value Table = 0x4000000
	.byte	4,0,0,0
#	IDENTIFIER = 1
	.byte	0,0,0,1
#	PERIOD = 50000000
	.byte	0,0,0,0
	.byte	2,250,240,128
#	DURATION = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,2,0,0
	.byte	3,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 5
	.byte	0,0,0,5
#	buffer
	.byte	98,117,102,102
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,6,1
	.byte	0,0,0,30
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	guard
	.byte	103,117,97,114
	.byte	100,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	0,0,0,29
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	helper
	.byte	104,101,108,112
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,14,20
	.byte	0,0,0,27
	.byte	0,0,0,17
	.byte	0,0,0,0
	.byte	0,0,0,0
#	reading_out
	.byte	114,101,97,100
	.byte	105,110,103,95
	.byte	111,117,116,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,1,1
	.byte	0,0,0,28
	.byte	0,0,0,100
	.byte	0,0,0,0
	.byte	2,250,240,128
#	sampler
	.byte	115,97,109,112
	.byte	108,101,114,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,26
	.byte	0,0,0,7
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	0,0,0,1
#	main_plan
	.byte	109,97,105,110
	.byte	95,112,108,97
	.byte	110,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 4
	.byte	0,0,0,4
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Period = 50000000
	.byte	0,0,0,0
	.byte	2,250,240,128
#	Schedule Duration = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
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
#	Partition has release point = 0
	.byte	0
#	ARINC653 Locking Discipline = BLOCKING_FIFO(2)
	.byte	2
#	Partition HM exists = false
#	ARINC653SetAffinityPermission = INIT_ONLY
#	Default Process Core Affinity Any = true
#	Max Name Length = 30
	.byte	40
#	Port task object = 25
#	Error process task object = 15
	.byte	0,25,0,15
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 2
	.byte	0,0,0,2
#	PERIOD = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	DURATION = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 5
	.byte	0,0,0,5
#	blink
	.byte	98,108,105,110
	.byte	107,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,14,44
	.byte	0,0,0,27
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	frame
	.byte	102,114,97,109
	.byte	101,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	0,0,0,29
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	reading_in
	.byte	114,101,97,100
	.byte	105,110,103,95
	.byte	105,110,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,129,0
	.byte	0,0,0,28
	.byte	2,0,0,100
	.byte	0,0,0,0
	.byte	5,245,225,0
#	render
	.byte	114,101,110,100
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,26
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	screen
	.byte	115,99,114,101
	.byte	101,110,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,6,0
	.byte	0,0,0,30
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	0,0,0,1
#	main_plan
	.byte	109,97,105,110
	.byte	95,112,108,97
	.byte	110,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = WARM_START(2)
	.byte	2
#	Schedule Identifier = 4
	.byte	0,0,0,4
#	Schedule Number = 1
	.byte	0,0,0,1
#	Schedule Period = 100000000
	.byte	0,0,0,0
	.byte	5,245,225,0
#	Schedule Duration = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
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
