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
#	PERIOD = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	DURATION = 2000000
	.byte	0,0,0,0
	.byte	0,30,132,128
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
#	tick
	.byte	116,105,99,107
	.byte	0,0,0,0
	.byte	0,0,0,0
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
#	main
	.byte	109,97,105,110
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
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
#	Schedule Duration = 2000000
	.byte	0,0,0,0
	.byte	0,30,132,128
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
	.section	".mr_rweu_Alpha","aw"
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
#	Port task object = 0
#	Error process task object = 15
	.byte	0,0,0,15
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 1
	.byte	0,0,0,1
#	PERIOD = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
#	DURATION = 8000000
	.byte	0,0,0,0
	.byte	0,122,18,0
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 3
	.byte	0,0,0,3
#	cmd_out
	.byte	99,109,100,95
	.byte	111,117,116,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,3,1
	.byte	0,3,255,255
	.byte	0,0,0,32
	.byte	0,0,0,0
	.byte	5,245,225,0
#	log_tx
	.byte	108,111,103,95
	.byte	116,120,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,15,4
	.byte	0,0,0,25
	.byte	0,0,0,64
	.byte	0,0,0,10
	.byte	0,0,0,0
#	worker
	.byte	119,111,114,107
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,24
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	0,0,0,1
#	main
	.byte	109,97,105,110
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
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
#	Schedule Duration = 8000000
	.byte	0,0,0,0
	.byte	0,122,18,0
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
	.section	".mr_rweu_Beta","aw"
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
#	Error process task object = 15
	.byte	0,0,0,15
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 2
	.byte	0,0,0,2
#	PERIOD = 20000000
	.byte	0,0,0,0
	.byte	1,49,45,0
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
#	Number of Objects = 3
	.byte	0,0,0,3
#	cmd_in
	.byte	99,109,100,95
	.byte	105,110,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,131,0
	.byte	0,0,255,254
	.byte	0,0,0,32
	.byte	0,0,0,0
	.byte	11,235,194,0
#	log_rx
	.byte	108,111,103,95
	.byte	114,120,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,143,6
	.byte	0,0,0,25
	.byte	0,0,0,64
	.byte	0,0,0,10
	.byte	0,0,0,0
#	reader
	.byte	114,101,97,100
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,24
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	0,0,0,1
#	main
	.byte	109,97,105,110
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
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
